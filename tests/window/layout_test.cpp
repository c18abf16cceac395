// The window as it stands: geometry, designed captions, colors as painted, fonts and focus order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <iostream>
#include <memory>
#include <stdexcept>

#include "window_harness.h"

namespace uragae {
namespace {

using testing::WindowHarness;

TEST(Layout, SquaresSitOnTheDesignedGridAndOverlapByOnePixel)
{
    Form1 form;
    EXPECT_EQ(form.Command1.at(0)->geometry(), QRect(8, 8, 41, 41));
    EXPECT_EQ(form.Command1.at(9)->geometry(), QRect(48, 48, 41, 41));
    EXPECT_EQ(form.Command1.at(63)->geometry(), QRect(288, 288, 41, 41));
    EXPECT_EQ(form.size(), QSize(337, 433));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the layout does not follow the window's size";
}

TEST(Layout, CountRowAndButtonsSitWhereDesigned)
{
    Form1 form;
    EXPECT_EQ(form.Label1->geometry(), QRect(16, 344, 17, 17));
    EXPECT_EQ(form.Label2->geometry(), QRect(80, 344, 49, 17));
    EXPECT_EQ(form.Label3->geometry(), QRect(176, 344, 65, 17));
    EXPECT_EQ(form.Label4->geometry(), QRect(288, 344, 33, 17));
    EXPECT_EQ(form.Text1->geometry(), QRect(32, 336, 41, 25));
    EXPECT_EQ(form.Text2->geometry(), QRect(128, 336, 41, 25));
    EXPECT_EQ(form.Text3->geometry(), QRect(240, 336, 41, 25));
    EXPECT_EQ(form.Command2->geometry(), QRect(8, 368, 153, 25));
    EXPECT_EQ(form.Command3->geometry(), QRect(176, 368, 153, 25));
    EXPECT_EQ(form.Command4->geometry(), QRect(8, 400, 321, 25));
}

TEST(Layout, CreatedWindowCarriesTheDesignedTextsAndStartingStones)
{
    Form1 form;  // not shown: the load has not run
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ウラガエ ver.1.7"));
    for (int square = 0; square < SquareCount; ++square) {
        const QString expected = (square == 27 || square == 36)   ? QStringLiteral("○")
                                 : (square == 28 || square == 35) ? QStringLiteral("●")
                                                                  : QString();
        EXPECT_EQ(form.SquareCaption(square), expected) << "square " << square;
        EXPECT_EQ(form.SquareBackColor(square), ButtonFaceColor) << "square " << square;
    }
    EXPECT_EQ(form.Label1->text(), QStringLiteral("●"));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("枚　○"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("枚　残り"));
    EXPECT_EQ(form.Label4->text(), QStringLiteral("箇所"));
    EXPECT_EQ(form.Command2->text(), QStringLiteral("パス"));
    EXPECT_EQ(form.Command3->text(), QStringLiteral("リセット"));
    EXPECT_EQ(form.Command4->text(), QStringLiteral("終了"));
    EXPECT_TRUE(form.Text1->text().isEmpty());
    EXPECT_TRUE(form.Text1->isReadOnly());
    EXPECT_TRUE(form.windowIcon().availableSizes().contains(QSize(64, 64))) << "the desktop entry's icon";
}

TEST(Colors, ReadBackExactlyAsWrittenNotAsResolved)
{
    Form1 form;
    form.SetSquareBackColor(5, LegalColor);
    EXPECT_EQ(form.SquareBackColor(5), 8454016U);
    form.SetSquareBackColor(5, ButtonFaceColor);
    EXPECT_EQ(form.SquareBackColor(5), 0x8000000FU);
    EXPECT_EQ(form.Command3->BackColor(), 0x00FF8080U);
}

// Painting is what the person sees: a style that ignored the set color would pass every
// read-back test and still show grey squares.
TEST(Colors, SquaresArePaintedInTheirExactColorUnderEveryStyle)
{
    for (const QString& styleName : QStyleFactory::keys()) {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
        WindowHarness harness;
        Form1& form = harness.Window();
        form.setStyle(style.get());
        for (QWidget* child : form.findChildren<QWidget*>()) {
            child->setStyle(style.get());
        }
        harness.Show();
        const QImage legal = form.Command1.at(19)->grab().toImage();
        const QImage plain = form.Command1.at(0)->grab().toImage();
        const QImage reset = form.Command3->grab().toImage();
        EXPECT_EQ(legal.pixelColor(6, 6), QColor(128, 255, 128)) << styleName.toStdString();
        EXPECT_EQ(plain.pixelColor(6, 6), form.palette().color(QPalette::Button)) << styleName.toStdString();
        EXPECT_EQ(reset.pixelColor(20, 12), QColor(128, 128, 255)) << styleName.toStdString();
        EXPECT_EQ(form.Text1->palette().color(QPalette::Text), QColor(255, 0, 0));
    }
}

TEST(Fonts, DesignedFacesResolveToJapaneseGothicFaces)
{
    Form1 form;
    const auto isJapaneseGothic = [](const QWidget* widget) {
        const QString family = QFontInfo(widget->font()).family();
        return family.contains(QStringLiteral("IPA")) || family.contains(QStringLiteral("Noto Sans CJK")) ||
               family.contains(QStringLiteral("Noto Sans Mono CJK"));
    };
    for (const QWidget* widget :
         std::initializer_list<const QWidget*>{form.Command1.at(0), form.Label2, form.Text1}) {
        std::cout << widget->font().family().toStdString() << " resolves to "
                  << QFontInfo(widget->font()).family().toStdString() << "\n";
    }
    EXPECT_TRUE(isJapaneseGothic(form.Command1.at(0)))
        << QFontInfo(form.Command1.at(0)->font()).family().toStdString();
    EXPECT_TRUE(isJapaneseGothic(form.Label2)) << QFontInfo(form.Label2->font()).family().toStdString();
    EXPECT_TRUE(isJapaneseGothic(form.Text1)) << QFontInfo(form.Text1->font()).family().toStdString();
    EXPECT_EQ(form.Command1.at(0)->font().pointSize(), 15);
    EXPECT_EQ(form.Label1->font().pointSize(), 12);
    // Every glyph of the window must come from a real font, never an empty box.
    const QFontMetrics squareMetrics(form.Command1.at(0)->font());
    EXPECT_TRUE(squareMetrics.inFont(QChar(u'●')));
    EXPECT_TRUE(squareMetrics.inFont(QChar(u'○')));
}

TEST(Focus, TabOrderRunsThroughTheCountsTheSquaresAndTheButtons)
{
    Form1 form;
    std::vector<QWidget*> expected{form.Text1, form.Text2, form.Text3};
    for (QWidget* square : form.Command1) {
        expected.push_back(square);
    }
    for (QWidget* button : std::initializer_list<QWidget*>{form.Command2, form.Command3, form.Command4}) {
        expected.push_back(button);
    }
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
        EXPECT_EQ(expected.at(i)->nextInFocusChain(), expected.at(i + 1)) << "after position " << i;
    }
    EXPECT_EQ(form.Label1->focusPolicy(), Qt::NoFocus);
}

TEST(Focus, StartsOnTheBlackCountOnceShown)
{
    WindowHarness harness;
    harness.Show();
    EXPECT_TRUE(harness.Window().Text1->hasFocus());
}

TEST(Squares, IndexOutsideTheBoardThrows)
{
    Form1 form;
    EXPECT_THROW((void)form.SquareCaption(64), std::out_of_range);
    EXPECT_THROW(form.SetSquareBackColor(-1, LegalColor), std::out_of_range);
}

TEST(MessageBox, RealBoxHasTheTitleOneOkButtonAndNoIcon)
{
    Form1 form;
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("ウラガエ"));
            EXPECT_EQ(box->text(), QStringLiteral("引き分けです。"));
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->buttons().size(), 1);
            EXPECT_TRUE(box->button(QMessageBox::Ok)->icon().isNull());
            EXPECT_TRUE(box->isModal());
            inspected = true;
        }
        // Closed whatever it is, so a wrong box fails the test instead of hanging it.
        if (modal != nullptr) {
            modal->close();
        }
    });
    ShowMessageBox(&form, QStringLiteral("引き分けです。"));
    EXPECT_TRUE(inspected);
}

}  // namespace
}  // namespace uragae
