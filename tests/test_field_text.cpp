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

const std::string kInvalidUtf8[] = {
    "\xff",                     // never valid
    "12\xc3(34",                // a lead byte without its continuation
    "\x80\xbf",                 // continuations alone
    "\xe9t\xe9",                // Latin-1 "été"
    "\xc0\xaf",                 // overlong "/"
    "\xed\xa0\x80",             // an encoded surrogate
    "\xf4\x90\x80\x80",         // past U+10FFFF
    "\xe2\x82",                 // cut short at the end
    "ok \xf0\x9f\x98\x80 \xfe", // valid four-byte text beside an invalid byte
};

} // namespace

TEST(FieldText, ValidTextConvertsAsUtf8Does) {
    for (const std::string text : {"", "abc", "Cartão: São Paulo", "€ 1,00", "\xf0\x9f\x98\x80", "\x7f"}) {
        EXPECT_EQ(fieldText(text), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) << text;
        EXPECT_EQ(fieldBytes(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))), text) << text;
    }
}

TEST(FieldText, InvalidBytesComeBackAsTheyWent) {
    for (const std::string& bytes : kInvalidUtf8) {
        const QString text = fieldText(bytes);
        EXPECT_FALSE(text.contains(QChar(QChar::ReplacementCharacter))) << bytes;
        EXPECT_EQ(fieldBytes(text), bytes) << bytes;
    }
    // Every single byte, and random byte strings.
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

// Values shown on a screen and written back unchanged: the NSU and the
// document code of an installment cancellation.
TEST(FieldText, AConfirmedScreenWritesInvalidUtf8BackUnchanged) {
    for (const std::string& bytes : kInvalidUtf8) {
        ScopedFakeHost host;
        host->set(field::Amount, "1500");
        host->set(field::TransactionDate, today());
        host->set(field::Nsu, bytes);
        host->set(field::EntryType, "1");
        host->set(field::DocumentData, "D" + bytes);
        auto screen = createScreen<TFrmPagParcBRQ_CncTrn>();
        EXPECT_EQ(Operator().run(*screen), 1);
        EXPECT_EQ(host->get(field::Nsu), bytes);
        EXPECT_EQ(host->get(field::DocumentData), "D" + bytes);
        EXPECT_EQ(host->get(field::IdentificationWritten), "D" + bytes);
    }
}

// A whole transaction through the entry point: the miles acquisition
// reversal copies the operator, the fiscal coupon and the NSU the host
// supplied back into the field store.
TEST(FieldText, ATransactionCopiesInvalidUtf8BackUnchanged) {
    const std::string bytes = "\xe9\xff-\xc3";
    ScopedFakeHost host;
    host->set(field::EnabledTransactions, "000000001");
    host->set(field::Amount, "2500");
    host->set(field::TransactionDate, today());
    host->set(field::Nsu, "123456");
    host->set(field::CouponNumber, "77" + bytes);
    host->set(field::CouponDate, "05032007");
    host->set(field::CouponTime, "101112");
    host->set(field::Operator, "43" + bytes);
    Operator().run([] { ExecutaGenerico(0, 0); });
    ASSERT_EQ(host->authorizations.size(), 1u);
    std::vector<std::pair<FieldId, std::string>> written;
    for (const auto& w : host->writes) {
        if (w.field == field::Operator || w.field == field::CouponNumber) written.emplace_back(w.field, *w.text);
    }
    EXPECT_EQ(written, (std::vector<std::pair<FieldId, std::string>>{{field::CouponNumber, "77" + bytes},
                                                                     {field::Operator, "43" + bytes}}));
}
