#include "files/code_page.h"

#include <gtest/gtest.h>
#include <random>

#include "files/list_origin.h"

namespace pendara {
namespace {

const char* const kSingleByte[] = {
    "windows-1250", "windows-1251", "windows-1252", "windows-1253", "windows-1254", "windows-1255",
    "windows-1256", "windows-1257", "windows-1258", "windows-874",  "ISO-8859-1",   "ISO-8859-2",
    "ISO-8859-5",   "ISO-8859-7",   "ISO-8859-9",   "ISO-8859-13",  "ISO-8859-15",  "KOI8-R",
    "KOI8-U",       "IBM866",       "IBM437",       "IBM850"};

std::string InPage(const std::string& text, const char* page) {
    std::string bytes;
    EXPECT_FALSE(CodePage::Named(page).encode(text, bytes)) << page;
    return bytes;
}

TEST(CodePageTest, AnyBytesLoadAndSaveBackUnchangedAndAnEditChangesOnlyItsLine) {
    std::mt19937 random(26);
    for (const char* page : kSingleByte) {
        ASSERT_TRUE(CodePage::Named(page).singleByte()) << page;
        for (int round = 0; round < 50; ++round) {
            std::string bytes(random() % 200, '\0');
            for (char& byte : bytes) byte = static_cast<char>(random());
            std::string text;
            const ListOrigin whole = ListOrigin::FromFile(bytes, text, page);
            ASSERT_EQ(whole.form().encoding, FileForm::Encoding::CodePage);
            ASSERT_EQ(whole.fileBytes(text), bytes) << page;
            // The breaks counted while decoding are the ones the text holds.
            const std::string decoded = CodePage::Named(page).decode(bytes);
            FileForm counted = FormOfText(FileForm::Encoding::CodePage, decoded);
            counted.codePage = whole.form().codePage;
            ASSERT_EQ(whole.form(), counted) << page;

            // Lines of any bytes but breaks, so the file's form alone gives it back.
            std::vector<std::string> lines(1 + random() % 6);
            for (std::string& line : lines) {
                line.resize(random() % 30);
                for (char& byte : line) {
                    do byte = static_cast<char>(random());
                    while (byte == '\r' || byte == '\n');
                }
            }
            std::string file;
            for (const std::string& line : lines) file += line + "\n";
            const ListOrigin origin = ListOrigin::FromFile(file, text, page);
            const std::size_t edited = random() % lines.size();
            std::size_t start = 0;
            for (std::size_t i = 0; i < edited; ++i) start = text.find("\r\n", start) + 2;
            text.replace(start, text.find("\r\n", start) - start, "edited");
            lines[edited] = "edited";
            std::string expected;
            for (const std::string& line : lines) expected += line + "\n";
            ASSERT_EQ(origin.fileBytes(text), expected) << page;
        }
    }
}

TEST(CodePageTest, WordListsAreGuessedInTheirLanguagesCodePages) {
    struct List {
        const char* language;
        const char* page;
        std::string words;
    };
    const List lists[] = {
        {"de", "windows-1252",
         "Müller\nGrößenordnung\nstraße\nÄrger\nÖffnung\nüber\nfür\nschön\nBäckerei\nMädchen\n"
         "Frühstück\nGemüse\nKäse\nLöwe\nBrötchen\n"},
        {"fr", "windows-1252",
         "Éric\nété\nfenêtre\nœuvre\ngarçon\nà côté\nnoël\nhôpital\nélève\ncœur\nprès\nforêt\n"
         "français\nthéâtre\nmaïs\n"},
        {"pl", "windows-1250",
         "źródło\nświat\nścieżka\nżółw\nłódź\nmiłość\nwąż\nsięgać\nćma\nńaś\nGdańsk\nKraków\n"
         "Łódź\nŚląsk\nzażółć gęślą jaźń\n"},
        {"ru", "windows-1251",
         "привет\nмосква\nхлеб\nмолоко\nсобака\nкошка\nшкола\nучитель\nкнига\nдерево\n"
         "город\nулица\nокно\nдверь\nжизнь\n"},
        {"ru", "KOI8-R",
         "привет\nмосква\nхлеб\nмолоко\nсобака\nкошка\nшкола\nучитель\nкнига\nдерево\n"
         "город\nулица\nокно\nдверь\nжизнь\n"},
        {"el", "windows-1253",
         "καλημέρα\nθάλασσα\nΆνθρωπος\nψωμί\nνερό\nσπίτι\nβιβλίο\nδρόμος\nπόλη\nήλιος\n"
         "Αθήνα\nφίλος\nμητέρα\nπατέρας\nουρανός\n"},
        {"tr", "windows-1254",
         "İstanbul\nşeker\nçiçek\nğüzel\nışık\nöğretmen\nkitapçı\nçocuk\nsöz\nyağmur\n"
         "Türkçe\nkardeş\nüzüm\ndüğün\nIşıl\n"},
    };
    for (const List& list : lists) {
        const std::string bytes = InPage(list.words, list.page);
        EXPECT_EQ(GuessCodePage(bytes, list.language), list.page) << list.language;
    }
    // The language narrows the guess: the same bytes read as Polish or as German.
    const std::string polish = InPage("zażółć gęślą jaźń\n", "windows-1250");
    EXPECT_EQ(GuessCodePage(polish, "de"), "windows-1252");
    // A language the table does not know falls back to Windows-1252.
    EXPECT_EQ(GuessCodePage(InPage("café\n", "windows-1252"), "xx"), "windows-1252");
}

TEST(CodePageTest, ValidUtf8AndAsciiAreNeverReadAsACodePage) {
    const std::string utf8 = "apple\nbanana\ncrème brûlée\ncherry\n";
    for (const char* language : {"", "de", "pl", "ru", "el", "tr"}) {
        EXPECT_TRUE(IsValidUtf8(utf8));
        std::string text;
        const ListOrigin origin = ListOrigin::FromFile(utf8, text);
        EXPECT_EQ(origin.form().encoding, FileForm::Encoding::Plain) << language;
        EXPECT_EQ(text, "apple\r\nbanana\r\ncrème brûlée\r\ncherry\r\n");
    }
    std::string text;
    EXPECT_EQ(ListOrigin::FromFile("plain ascii\n", text).form().encoding,
              FileForm::Encoding::Plain);
    EXPECT_FALSE(IsValidUtf8("M\xFCller"));
    EXPECT_FALSE(IsValidUtf8("long ascii run then \xC3"));
}

TEST(CodePageTest, ACharacterTheCodePageLacksStopsTheSaveNamingLineAndCharacter) {
    std::string text;
    ListOrigin origin = ListOrigin::FromFile("caf\xE9\nM\xFCller\n", text, "ISO-8859-1");
    EXPECT_EQ(text, "café\r\nMüller\r\n");
    EXPECT_EQ(DescribeFileForm(origin.form()), "ISO-8859-1, LF");
    try {
        (void)origin.fileBytes("café\r\n5 €\r\n");
        FAIL() << "saved an unmappable character";
    } catch (const UnmappableCharacter& failure) {
        EXPECT_EQ(failure.line(), 2u);
        EXPECT_EQ(failure.character(), U'€');
        EXPECT_STREQ(failure.what(), "Line 2 holds \"€\" (U+20AC), which ISO-8859-1 cannot hold");
    }
    origin = ListOrigin::FromFile("a\r\n", text, "windows-1252");
    EXPECT_THROW((void)origin.fileBytes("a\r\nb\r\nsmile 😀\r\n"), UnmappableCharacter);
    EXPECT_EQ(origin.fileBytes("a\r\n5 €\r\n"), "a\r\n5 \x80\r\n");
    EXPECT_THROW((void)CodePage::Named("no-such-encoding"), Failure);
}

TEST(CodePageTest, MultiByteConvertersReadAndWriteThroughIcu) {
    const std::string sjis = InPage("日本\n", "Shift_JIS");
    std::string text;
    const ListOrigin origin = ListOrigin::FromFile(sjis, text, "shift_jis");
    EXPECT_EQ(text, "日本\r\n");
    EXPECT_EQ(origin.fileBytes("日本\r\n語\r\n"), InPage("日本\n語\n", "Shift_JIS"));
}

}  // namespace
}  // namespace pendara
