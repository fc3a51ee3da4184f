#pragma once

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/document/RunDocument.h"

// Reading the program's JSON documents, trusting nothing: what the run's and the lesson's readers
// share.
namespace zarno::document {

// Keys stay in the order written, so that the same document gives the same bytes.
using Json = nlohmann::ordered_json;

// A field at fault, found while reading.
struct Damaged {
    std::string where;
};

// Reads a text through once, building nothing, and refuses it as soon as it nests deeper, or holds
// more values, than its kind of document can, holds a key twice in one object, or is not JSON.
class Screen : public nlohmann::json_sax<Json> {
public:
    Screen(std::size_t deepest, std::size_t most) : deepest_(deepest), most_(most) {}

    enum class Verdict { sound, notJson, tooLarge, keyTwice };
    Verdict verdict = Verdict::sound;
    std::string twice;  // the key held twice

    bool null() override { return value(); }
    bool boolean(bool) override { return value(); }
    bool number_integer(number_integer_t) override { return value(); }
    bool number_unsigned(number_unsigned_t) override { return value(); }
    bool number_float(number_float_t, const string_t&) override { return value(); }
    bool string(string_t&) override { return value(); }
    bool binary(binary_t&) override { return value(); }
    bool start_object(std::size_t) override {
        keys_.emplace_back();
        return deeper();
    }
    bool key(string_t& key) override {
        if (!keys_.back().insert(key).second) {
            verdict = Verdict::keyTwice;
            twice = key;
            return false;
        }
        return true;
    }
    bool end_object() override {
        keys_.pop_back();
        --depth_;
        return true;
    }
    bool start_array(std::size_t) override {
        keys_.emplace_back();
        return deeper();
    }
    bool end_array() override {
        keys_.pop_back();
        --depth_;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        verdict = Verdict::notJson;
        return false;
    }

private:
    bool value() {
        if (++values_ > most_) {
            verdict = Verdict::tooLarge;
            return false;
        }
        return true;
    }
    bool deeper() {
        if (++depth_ > deepest_) {
            verdict = Verdict::tooLarge;
            return false;
        }
        return value();
    }

    std::size_t deepest_;
    std::size_t most_;
    std::size_t depth_ = 0;
    std::size_t values_ = 0;
    std::vector<std::set<std::string>> keys_;
};

inline const Json& field(const Json& object, const char* key) {
    if (!object.is_object() || !object.contains(key)) {
        throw Damaged{key};
    }
    return object.at(key);
}

inline std::int64_t whole(const Json& value, const std::string& where, std::int64_t low,
                          std::int64_t high) {
    if (!value.is_number_integer()) {
        throw Damaged{where};
    }
    // A number above what 64 bits hold is read as an unsigned one.
    if (value.is_number_unsigned() &&
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(high)) {
        throw Damaged{where};
    }
    const auto number = value.get<std::int64_t>();
    if (number < low || number > high) {
        throw Damaged{where};
    }
    return number;
}

inline const Json& array(const Json& value, const std::string& where, std::size_t size) {
    if (!value.is_array() || value.size() != size) {
        throw Damaged{where};
    }
    return value;
}

inline void require(bool holds, const std::string& where) {
    if (!holds) {
        throw Damaged{where};
    }
}

// The text as a tree, once screened: too deep or too large is no document of the kind, a key twice
// a damaged one; built only of what passes.
inline std::variant<Json, DocumentError> screen(std::string_view text, std::size_t deepest,
                                                std::size_t most) {
    Screen screening(deepest, most);
    Json::sax_parse(text.begin(), text.end(), &screening);
    switch (screening.verdict) {
        case Screen::Verdict::sound:
            break;
        case Screen::Verdict::notJson:
            return DocumentError{DocumentError::Kind::notJson};
        case Screen::Verdict::tooLarge:
            return DocumentError{DocumentError::Kind::notARun};
        case Screen::Verdict::keyTwice:
            return DocumentError{DocumentError::Kind::damaged, screening.twice};
    }
    Json doc = Json::parse(text.begin(), text.end(), nullptr, false);
    if (doc.is_discarded()) {
        return DocumentError{DocumentError::Kind::notJson};
    }
    return doc;
}

// The bounds of a kind of document and the name and newest version it is written with.
struct DocumentKind {
    std::string_view format;
    std::uint64_t newest = 1;
    std::size_t largest = 0;  // bytes
    std::size_t deepest = 0;
    std::size_t most = 0;  // values
};

// The text as a document of the kind: within its bounds, an object that names the kind, in a
// version this program reads; or why it is none.
inline std::variant<Json, DocumentError> opened(std::string_view text, const DocumentKind& kind) {
    if (text.size() > kind.largest) {
        return DocumentError{DocumentError::Kind::notARun};
    }
    auto screened = screen(text, kind.deepest, kind.most);
    if (std::holds_alternative<DocumentError>(screened)) {
        return screened;
    }
    const Json& doc = std::get<Json>(screened);
    if (!doc.is_object() || !doc.contains("format") || doc["format"] != kind.format ||
        !doc.contains("version") || !doc["version"].is_number_unsigned() ||
        doc["version"].get<std::uint64_t>() < 1) {
        return DocumentError{DocumentError::Kind::notARun};
    }
    if (const auto version = doc["version"].get<std::uint64_t>(); version > kind.newest) {
        return DocumentError{DocumentError::Kind::newer,
                             {},
                             static_cast<int>(std::min<std::uint64_t>(version, 999'999))};
    }
    return screened;
}

}  // namespace zarno::document
