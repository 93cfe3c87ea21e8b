// SPDX-License-Identifier: MIT
#include "guitest.h"
#include "mainwindowtest.h"
#include "ui/about.h"
#include "ui/appearance.h"
#include "ui/bitmaps.h"
#include "ui/visconvertform.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

namespace tarnwick::ui {
namespace {

using testing::MainWindow;

TEST_F(MainWindow, PlacesEachControlOnTheDesignGrid) {
    // Window positions in pixels, whatever the control's parent: the design's
    // twips divided by 15 and rounded to the nearest pixel.
    const struct {
        const char* name;
        QRect pixels;
    } placements[] = {
        {"Command1", {8, 52, 150, 23}},        {"toCombo", {236, 133, 121, 21}},
        {"densityCombo", {236, 109, 121, 21}}, {"resetButton", {120, 200, 105, 25}},
        {"densityText", {136, 109, 97, 21}},   {"convFrame", {8, 72, 351, 169}},
        {"txtResult", {136, 132, 97, 21}},     {"convCombo", {236, 85, 121, 21}},
        {"calButton", {16, 200, 105, 25}},     {"convertText", {136, 85, 97, 21}},
        {"toLabel", {16, 134, 33, 17}},        {"densityLabel", {16, 110, 121, 17}},
        {"convertLabel", {16, 87, 57, 17}},    {"Image2", {159, 8, 200, 65}},
        {"Image1", {8, 8, 150, 43}},
    };
    for (const auto& p : placements) {
        const QWidget* widget = child(p.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(QRect(widget->mapTo(&m_window, QPoint(0, 0)), widget->size()), p.pixels)
            << p.name;
    }
}

struct TwipsCase {
    int twips, pixels;
};

class Twips : public ::testing::TestWithParam<TwipsCase> {};

// To the nearest pixel; no design value falls where rounding up and down part.
TEST_P(Twips, RoundToTheNearestPixel) {
    EXPECT_EQ(twips(GetParam().twips), GetParam().pixels) << GetParam().twips;
}

INSTANTIATE_TEST_SUITE_P(Rows, Twips,
                         ::testing::Values(TwipsCase{0, 0}, TwipsCase{7, 0}, TwipsCase{8, 1},
                                           TwipsCase{22, 1}, TwipsCase{23, 2}, TwipsCase{340, 23},
                                           TwipsCase{5520, 368}),
                         [](const auto& info) {
                             return "From" + std::to_string(info.param.twips);
                         });

QStringList stackingBottomFirst(const QWidget* parent) {
    QStringList names;
    for (const QObject* object : parent->children())
        if (object->isWidgetType())
            names << object->objectName();
    return names;
}

TEST_F(MainWindow, StacksTheControlsAsDesigned) {
    EXPECT_EQ(stackingBottomFirst(&m_window),
              (QStringList{"Image1", "Image2", "convFrame", "densityText", "resetButton",
                           "densityCombo", "toCombo", "Command1"}));
    EXPECT_EQ(stackingBottomFirst(child("convFrame")),
              (QStringList{"convertLabel", "densityLabel", "toLabel", "convertText", "calButton",
                           "convCombo", "txtResult"}));
}

TEST_F(MainWindow, EveryCaptionAndUnitFitsItsControl) {
    for (auto* label : m_window.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            continue;
        EXPECT_EQ(QFontInfo(label->font()).family(), "Liberation Sans") << label->objectName();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName();
    }
    for (auto* button : m_window.findChildren<QPushButton*>())
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
            << button->objectName();
    for (auto* combo : m_window.findChildren<QComboBox*>())
        for (int i = 0; i < combo->count(); ++i)
            EXPECT_LE(combo->fontMetrics().horizontalAdvance(combo->itemText(i)),
                      combo->width() - 24)
                << combo->itemText(i).toStdString();
}

TEST_F(MainWindow, PanelTextsStayDarkUnderADarkTheme) {
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Window, Qt::black);
    QApplication::setPalette(dark);
    const QColor text = child<QLabel>("densityLabel")->palette().color(QPalette::WindowText);
    QApplication::setPalette(QPalette());
    EXPECT_EQ(text, QColor(0, 0, 0));
}

struct ResourceCase {
    const char* path;
    QSize size;
    int bitsPerPixel;
};

void PrintTo(const ResourceCase& c, std::ostream* os) {
    *os << c.path;
}

class Pictures : public ::testing::TestWithParam<ResourceCase> {};

// Reads the headers: the bitmaps must be uncompressed 24-bit BMPs and the
// icon a single 32 x 32 image in 16 colours.
TEST_P(Pictures, HaveTheDesignedSizeAndKind) {
    const auto& c = GetParam();
    QFile file(c.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    ASSERT_GT(bytes.size(), 40);
    if (QString(c.path).endsWith(".bmp")) {
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(QSize(int(u32(18)), int(u32(22))), c.size);
        EXPECT_EQ(u16(28), c.bitsPerPixel);
        EXPECT_EQ(u32(30), 0u); // BI_RGB: uncompressed
    } else {
        EXPECT_EQ(u16(4), 1); // one image
        EXPECT_EQ(QSize(quint8(bytes[6]), quint8(bytes[7])), c.size);
        EXPECT_EQ(quint8(bytes[8]), 16); // colours
        EXPECT_EQ(u16(12), c.bitsPerPixel);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Resources, Pictures,
    ::testing::Values(ResourceCase{":/images/logo.bmp", {150, 43}, 24},
                      ResourceCase{":/images/banner.bmp", {200, 65}, 24},
                      ResourceCase{":/images/logo@2x.bmp", {300, 86}, 24},
                      ResourceCase{":/images/banner@2x.bmp", {400, 130}, 24},
                      ResourceCase{":/images/tarnwick.ico", {32, 32}, 4}),
    [](const auto& info) {
        return QFileInfo(info.param.path).completeBaseName().replace("@", "At").toStdString();
    });

struct PictureCase {
    const char* resource;
    qreal screenRatio;
    QSize pixels;
    qreal pictureRatio;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.resource << " at " << c.screenRatio;
}

class DesignPicture : public ::testing::TestWithParam<PictureCase> {};

// The same size on the screen at every ratio, drawn with twice the pixels above 1.
TEST_P(DesignPicture, TakesTheDoubleSizeVariantAboveRatioOne) {
    const auto& c = GetParam();
    const QPixmap pixmap = designPicture(c.resource, c.screenRatio);
    EXPECT_EQ(pixmap.size(), c.pixels);
    EXPECT_EQ(pixmap.devicePixelRatio(), c.pictureRatio);
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), c.pixels / c.pictureRatio);
}

INSTANTIATE_TEST_SUITE_P(Rows, DesignPicture,
                         ::testing::Values(PictureCase{":/images/logo.bmp", 1, {150, 43}, 1},
                                           PictureCase{":/images/logo.bmp", 2, {300, 86}, 2},
                                           PictureCase{":/images/logo.bmp", 1.5, {300, 86}, 2},
                                           PictureCase{":/images/banner.bmp", 1, {200, 65}, 1},
                                           PictureCase{":/images/banner.bmp", 2, {400, 130}, 2}),
                         [](const auto& info) {
                             return QFileInfo(info.param.resource).baseName().toStdString() +
                                    "AtRatio" + std::to_string(int(info.param.screenRatio * 10));
                         });

// The program reads its own pictures without Qt's image plug-ins; what it
// shows must be what they would show.
TEST(OwnPictureReaders, GiveThePixelsQtReads) {
    for (const char* bitmap : {":/images/logo.bmp", ":/images/logo@2x.bmp", ":/images/banner.bmp",
                               ":/images/banner@2x.bmp"}) {
        const QImage expected(QString::fromLatin1(bitmap));
        ASSERT_FALSE(expected.isNull()) << bitmap;
        EXPECT_EQ(readBitmap(fileBytes(QString::fromLatin1(bitmap))),
                  expected.convertToFormat(QImage::Format_RGB32))
            << bitmap;
    }
    // Not what they are not: the other kind, a cut file, nothing.
    const QByteArray logo = fileBytes(":/images/logo.bmp");
    const QByteArray icon = fileBytes(":/images/tarnwick.ico");
    for (const QByteArray& bytes : {logo.left(60), icon, QByteArray(), QByteArray(200, 'B')})
        EXPECT_TRUE(readBitmap(bytes).isNull());
    for (const QByteArray& bytes : {icon.left(100), logo, QByteArray()})
        EXPECT_TRUE(readIcon(bytes).isNull());
}

TEST(WindowIcon, HasThePixelsOfTheIconFile) {
    const QImage ico = QImage(":/images/tarnwick.ico").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(ico.size(), QSize(32, 32));
    EXPECT_EQ(readIcon(fileBytes(":/images/tarnwick.ico")), ico);
    EXPECT_EQ(QApplication::windowIcon()
                  .pixmap(QSize(32, 32))
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32),
              ico);
}
} // namespace
} // namespace tarnwick::ui
