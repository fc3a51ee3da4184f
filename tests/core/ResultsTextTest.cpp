#include "core/text/ResultsText.h"

#include <gtest/gtest.h>

namespace zarno {
namespace {

TEST(ResultsText, HitCaptions) {
    const struct {
        int level, hits;
        std::int64_t count, rows;
        char separator;
        std::string_view expected;
    } cases[] = {
        // the first row of a series at level 2, with no hit
        {2, 0, 1, 1, '.', "0 oikein (kpl): 1 (100%)"},
        {2, 2, 0, 1, '.', "2 oikein (kpl): 0 (0%)"},
        {3, 1, 1, 3, '.', "1 oikein (kpl): 1 (33.3%)"},
        {4, 4, 1, 3, '.', "4 oikein (kpl): 1 (33.3%)"},
        {5, 5, 1, 3, '.', "5 oikein (kpl): 1 (33.3%)"},   // one decimal at level 5
        {6, 5, 1, 3, '.', "5 oikein (kpl): 1 (33.33%)"},  // two from level 6 on
        {10, 10, 1, 3, ',', "10 oikein (kpl): 1 (33,33333%)"},
        {10, 6, 0, 4000000000, ',', "6 oikein (kpl): 0 (0,000%)"},
        {8, 8, 3999999999, 4000000000, '.', "8 oikein (kpl): 3999999999 (100.0000%)"},
    };
    std::string out = "previous text";
    for (const auto& c : cases) {
        writeHitsCaption(out, c.level, c.hits, c.count, c.rows, Wording(c.separator));
        EXPECT_EQ(out, c.expected);
    }
}

TEST(ResultsText, WinningsCaption) {
    std::string out;
    writeWinningsCaption(out, 7, 3, Wording('.'));
    EXPECT_EQ(out, "Voitot (€): 7 ( 233.33% )");
    writeWinningsCaption(out, 0, 1, Wording(','));
    EXPECT_EQ(out, "Voitot (€): 0 ( 0% )");
    writeWinningsCaption(out, 2200000000, 4000000000, Wording(','));
    EXPECT_EQ(out, "Voitot (€): 2 200 000 000 ( 55% )");
    // In another language only the words change.
    const Wording english('.', [](std::string_view finnish) {
        return finnish == "Voitot (€): " ? std::string("Winnings (€): ") : std::string(finnish);
    });
    writeWinningsCaption(out, 7, 3, english);
    EXPECT_EQ(out, "Winnings (€): 7 ( 233.33% )");
}

TEST(ResultsText, RowCounter) {
    std::string out = "x";
    writeRowCounter(out, 1000, Wording('.'));
    EXPECT_EQ(out, "1 000");
    writeRowCounter(out, 4000000001, Wording('.'));
    EXPECT_EQ(out, "4 000 000 001");
}

TEST(ResultsText, JackpotMessageListsTheRowInDrawOrder) {
    const Row row = {70, 3, 12, 1, 45, 9, 33, 2, 60, 15, 8, 7, 66, 21, 4, 50, 39, 11, 28, 5};
    std::string out;
    writeJackpotMessage(out, row, Wording());
    EXPECT_EQ(out,
              "Iso potti, 10/10 oikein!\r\n\r\n70\r\n3\r\n12\r\n1\r\n45\r\n9\r\n33\r\n2\r\n60\r\n"
              "15\r\n8\r\n7\r\n66\r\n21\r\n4\r\n50\r\n39\r\n11\r\n28\r\n5");
}

TEST(ResultsText, RefusalsNameTheNumberChosenTwice) {
    const Wording swedish(',', [](std::string_view finnish) {
        return finnish == "Numero %1 on valittu kahdesti."
                   ? std::string("Numret %1 är valt två gånger.")
                   : std::string(finnish);
    });
    const Wording finnish;
    const struct {
        Refusal refusal;
        const Wording* wording;
        std::string_view expected;
    } cases[] = {
        {{}, &finnish, "Anna kaikki numerot."},
        {{Refusal::Kind::numberRepeated, 5}, &finnish, "Numero 5 on valittu kahdesti."},
        {{Refusal::Kind::numberRepeated, 70}, &swedish, "Numret 70 är valt två gånger."},
    };
    std::string out = "previous text";
    for (const auto& c : cases) {
        writeRefusal(out, c.refusal, *c.wording);
        EXPECT_EQ(out, c.expected);
    }
}

}  // namespace
}  // namespace zarno
