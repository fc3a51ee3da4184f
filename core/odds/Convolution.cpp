#include "core/odds/Convolution.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zarno::odds {
namespace {

// The product without the checks for infinities that std::complex's own makes, which would cost
// a function call for every one of millions.
std::complex<double> times(std::complex<double> a, std::complex<double> b) {
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

}  // namespace

const std::vector<Convolution::Complex>& Convolution::rootsFor(std::size_t size) {
    if (rootsSize_ != size) {
        roots_.resize(size / 2);
        // Each root from its own angle, not by repeated multiplication, so that none drifts.
        for (std::size_t k = 0; k < roots_.size(); ++k) {
            const double angle =
                2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(size);
            roots_[k] = {std::cos(angle), std::sin(angle)};
        }
        rootsSize_ = size;
    }
    return roots_;
}

// Iterative radix 2, in place; the inverse is left unscaled.
void Convolution::transform(std::vector<Complex>& values, bool inverse) {
    const std::size_t size = values.size();
    for (std::size_t i = 1, j = 0; i < size; ++i) {
        std::size_t bit = size >> 1;
        for (; (j & bit) != 0; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(values[i], values[j]);
        }
    }
    const std::vector<Complex>& roots = rootsFor(size);
    for (std::size_t length = 2; length <= size; length <<= 1) {
        const std::size_t step = size / length;
        for (std::size_t start = 0; start < size; start += length) {
            for (std::size_t k = 0; k < length / 2; ++k) {
                const Complex root = inverse ? roots[k * step] : std::conj(roots[k * step]);
                const Complex odd = times(values[start + k + length / 2], root);
                values[start + k + length / 2] = values[start + k] - odd;
                values[start + k] += odd;
            }
        }
    }
}

// Both laws in one transform, a as its real part and b as its imaginary part; their spectra are
// the even and the odd part of its spectrum, whose product is transformed back.
std::vector<double> Convolution::sum(const std::vector<double>& a, const std::vector<double>& b,
                                     std::size_t last) {
    const std::size_t full = a.size() + b.size() - 1;
    const std::size_t needed = std::min(full, last + 1);
    std::size_t size = 2;
    while (size < full) {
        size <<= 1;
    }
    both_.assign(size, 0.0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        both_[i].real(a[i]);
    }
    for (std::size_t i = 0; i < b.size(); ++i) {
        both_[i].imag(b[i]);
    }
    transform(both_, false);
    std::vector<Complex> product(size);
    for (std::size_t k = 0; k < size; ++k) {
        const Complex z = both_[k];
        const Complex mirror = std::conj(both_[(size - k) & (size - 1)]);
        const Complex spectrumA = (z + mirror) * 0.5;
        const Complex spectrumB = times(z - mirror, Complex(0, -0.5));
        product[k] = times(spectrumA, spectrumB);
    }
    transform(product, true);
    std::vector<double> law(needed);
    for (std::size_t i = 0; i < needed; ++i) {
        // Rounding leaves what is 0 a little either side of it.
        law[i] = std::max(0.0, product[i].real() / static_cast<double>(size));
    }
    return law;
}

}  // namespace zarno::odds
