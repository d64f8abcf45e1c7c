// Library texts reach the screen through one GBK decoder: message boxes with
// excerpts cut after 127 bytes, and the comment box. Whatever bytes a library
// holds, decoding must neither crash nor read past the text, and bytes that
// form no character must show as replacement characters.
#include "core/JosekiEngine.h"
#include "tests/support/RecordingMessageService.h"
#include "ui/GbkText.h"
#include "ui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace joseki {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';
// One GBK character and its Unicode text.
const std::string kGbkCharacter = "定";
const QString kCharacter = QString::fromUtf16(u"定");

QApplication& application()
{
    static int argc = 1;
    static char name[] = "GbkDisplayTest";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

std::string repeat(const std::string& piece, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(GbkDisplay, WholeCharactersDecode)
{
    EXPECT_EQ(gbkToQString("Kavo" + kGbkCharacter), QString::fromUtf16(u"Kavo定"));
    EXPECT_EQ(gbkToQString(""), QString());
}

TEST(GbkDisplay, HalfACharacterAtTheEndIsDropped)
{
    // A lead byte alone, as a 127-byte cut leaves it.
    const std::string cut = kGbkCharacter + kGbkCharacter.substr(0, 1);
    EXPECT_EQ(gbkToQString(cut), kCharacter);
    // The dropped half does not carry over into the next text.
    EXPECT_EQ(gbkToQString("ab"), QString::fromUtf16(u"ab"));
}

TEST(GbkDisplay, InvalidBytesBecomeReplacementCharacters)
{
    struct Case {
        const char* name;
        std::string bytes;
        QString shown;
    };
    const Case cases[] = {
        {"a lead byte before a blank", "\x81 x", QString::fromUtf16(u"\uFFFD x")},
        {"a lead byte before a control byte",
         "\x81\x01"
         "c",
         QString::fromUtf16(u"\uFFFD\u0001c")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString shown = gbkToQString(c.bytes);
        EXPECT_TRUE(shown.contains(QChar(kReplacement))) << shown.toStdString();
        EXPECT_EQ(shown, c.shown) << shown.toStdString();
    }
}

TEST(GbkDisplay, ASingleByteOutsideTheCharacterTableShowsAsOneCharacter)
{
    // The code page maps 0x80 and 0xFF to single characters of its own choice
    // (the euro sign, a private-use point); neither swallows its neighbours.
    for (const char* bytes : {"a\x80"
                              "b",
                              "a\xFF"
                              "b"}) {
        const QString shown = gbkToQString(bytes);
        ASSERT_EQ(shown.size(), 3) << bytes;
        EXPECT_EQ(shown.front(), QChar(u'a'));
        EXPECT_EQ(shown.back(), QChar(u'b'));
    }
}

TEST(GbkDisplay, EveryByteAndEveryPairDecodesWithoutCrashing)
{
    for (int first = 1; first <= 0xFF; ++first) {
        const std::string single(1, static_cast<char>(first));
        EXPECT_LE(gbkToQString(single).size(), 1);
        for (int second = 1; second <= 0xFF; ++second) {
            const std::string pair{static_cast<char>(first), static_cast<char>(second)};
            EXPECT_LE(gbkToQString(pair).size(), 2);
        }
    }
}

TEST(GbkDisplay, AReportCutInsideACharacterShowsInItsBox)
{
    application();
    // The box text as reportDataError builds it: an excerpt of 63 characters
    // and the lead byte of the 64th.
    test::RecordingMessageService recorder;
    JosekiEngine engine(recorder);
    engine.reportDataError("错误的分支信息", repeat(kGbkCharacter, kExcerptLimit));
    ASSERT_EQ(recorder.boxes.size(), 1U);
    const std::string& text = recorder.boxes[0].text;

    const std::unique_ptr<QMessageBox> box(QtMessageService::buildBox(text, mb::kOk, nullptr));
    const QString expected = QString::fromUtf16(u"错误的分支信息:\r\n") + kCharacter.repeated(kExcerptLimit / 2);
    EXPECT_EQ(box->text(), expected);

    const std::unique_ptr<QMessageBox> invalid(QtMessageService::buildBox("Error:\r\n\x81 \xFF\x81", mb::kOk, nullptr));
    EXPECT_TRUE(invalid->text().startsWith(QString::fromUtf16(u"Error:\r\n")));
    EXPECT_TRUE(invalid->text().contains(QChar(kReplacement)));
}

} // namespace
} // namespace joseki
