// Host texts and the toolkit's strings: the conversion is lossless both
// ways, so a value the module writes back unchanged stays byte for byte what
// the host supplied, even when it is not valid UTF-8.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include <QLineEdit>

#include "TestData.h"
#include "core/FieldText.h"
#include "screens/miles/TFrmPagParcBRQ_CncTrn.h"
#include "vks/vks.h"

namespace {

struct InvalidBytes {
    const char* name;
    std::string bytes;
};

const InvalidBytes kInvalidUtf8[] = {
    {"never valid", "\xff"},
    {"a lead byte without its continuation", "12\xc3(34"},
    {"continuations alone", "\x80\xbf"},
    {"Latin-1 accents", "\xe9t\xe9"},
    {"overlong slash", "\xc0\xaf"},
    {"an encoded surrogate", "\xed\xa0\x80"},
    {"past U+10FFFF", "\xf4\x90\x80\x80"},
    {"cut short at the end", "\xe2\x82"},
    {"valid four-byte text beside an invalid byte", "ok \xf0\x9f\x98\x80 \xfe"},
};

struct ValidText {
    const char* name;
    std::string text;
};

const ValidText kValidTexts[] = {{"empty", ""},
                                 {"ASCII", "abc"},
                                 {"accented", "Cartão: São Paulo"},
                                 {"euro sign", "€ 1,00"},
                                 {"four bytes", "\xf0\x9f\x98\x80"},
                                 {"delete", "\x7f"}};

class ValidUtf8 : public testing::TestWithParam<ValidText> {};

TEST_P(ValidUtf8, ConvertsAsUtf8Does) {
    const std::string& text = GetParam().text;
    EXPECT_EQ(fieldText(text), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    EXPECT_EQ(fieldBytes(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))), text);
}

INSTANTIATE_TEST_SUITE_P(FieldText, ValidUtf8, testing::ValuesIn(kValidTexts), CaseName());

class InvalidUtf8 : public testing::TestWithParam<InvalidBytes> {};

TEST_P(InvalidUtf8, ComesBackAsItWent) {
    const std::string& bytes = GetParam().bytes;
    const QString text = fieldText(bytes);
    EXPECT_FALSE(text.contains(QChar(QChar::ReplacementCharacter)));
    EXPECT_EQ(fieldBytes(text), bytes);
}

// Values shown on a screen and written back unchanged: the NSU and the
// document code of an installment cancellation.
TEST_P(InvalidUtf8, IsWrittenBackUnchangedByAConfirmedScreen) {
    const std::string& bytes = GetParam().bytes;
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    host->set(field::TransactionDate, today());
    host->set(field::Nsu, bytes);
    host->set(field::EntryType, "1");
    host->set(field::DocumentData, "D" + bytes);
    auto screen = createScreen<TFrmPagParcBRQ_CncTrn>();
    EXPECT_EQ(ScriptedCashier().run(*screen), 1);
    EXPECT_EQ(host->get(field::Nsu), bytes);
    EXPECT_EQ(host->get(field::DocumentData), "D" + bytes);
    EXPECT_EQ(host->get(field::IdentificationWritten), "D" + bytes);
}

INSTANTIATE_TEST_SUITE_P(FieldText, InvalidUtf8, testing::ValuesIn(kInvalidUtf8), CaseName());

TEST(FieldText, EverySingleByteAndRandomBytesComeBackAsTheyWent) {
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(fieldBytes(fieldText(one)), one) << b;
    }
    std::mt19937 random(13);
    for (int i = 0; i < 5000; ++i) {
        std::string bytes(random() % 24, '\0');
        for (char& c : bytes) c = static_cast<char>(1 + random() % 255);
        ASSERT_EQ(fieldBytes(fieldText(bytes)), bytes) << i;
    }
}

TEST(FieldText, AnInvalidByteIsOneCharacterOnScreen) {
    EXPECT_EQ(fieldText("a\xffz").size(), 3);
    EXPECT_EQ(fieldText("a\xffz").at(1).unicode(), 0xDCFF);
}

TEST(FieldText, OtherLoneSurrogatesBecomeTheReplacementCharacter) {
    const QString text = QString(QChar(0xD800)) + QChar(u'x') + QChar(0xDC10);
    EXPECT_EQ(fieldBytes(text), "\xef\xbf\xbd"
                                "x"
                                "\xef\xbf\xbd");
}

// A whole transaction through the entry point: the miles acquisition
// reversal copies the operator, the fiscal coupon and the NSU the host
// supplied back into the field store.
TEST(FieldText, ATransactionCopiesInvalidUtf8BackUnchanged) {
    const std::string bytes = "\xe9\xff-\xc3";
    ScopedSimulatedHost host;
    host->set(field::EnabledTransactions, "000000001");
    host->set(field::Amount, "2500");
    host->set(field::TransactionDate, today());
    host->set(field::Nsu, "123456");
    host->set(field::CouponNumber, "77" + bytes);
    host->set(field::CouponDate, "05032007");
    host->set(field::CouponTime, "101112");
    host->set(field::Operator, "43" + bytes);
    ScriptedCashier().run([] { ExecutaGenerico(0, 0); });
    ASSERT_EQ(host->authorizations().size(), 1u);
    std::vector<std::pair<FieldId, std::string>> written;
    for (const auto& w : host->writes()) {
        if (w.field == field::Operator || w.field == field::CouponNumber) written.emplace_back(w.field, *w.text);
    }
    EXPECT_EQ(written, (std::vector<std::pair<FieldId, std::string>>{{field::CouponNumber, "77" + bytes},
                                                                     {field::Operator, "43" + bytes}}));
}

} // namespace
