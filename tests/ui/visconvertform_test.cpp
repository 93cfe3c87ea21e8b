// SPDX-License-Identifier: MIT
#include "about.h"
#include "appearance.h"
#include "bitmaps.h"
#include "guitest.h"
#include "visconvertform.h"

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

class MainWindow : public testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    template <typename Widget = QWidget>
    Widget* child(const char* name) {
        auto* widget = m_window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    QComboBox* list(const char* name) { return child<QComboBox>(name); }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none";
    }

    VisConvertForm m_window;
};

TEST_F(MainWindow, StartsFilledAndFocusedOnTheValue) {
    EXPECT_EQ(m_window.objectName(), "visConvertForm");
    EXPECT_EQ(m_window.windowTitle(), "Absolute & Kinematic Tarnwick");
    EXPECT_EQ(m_window.minimumSize(), QSize(368, 252));
    EXPECT_EQ(m_window.maximumSize(), QSize(368, 252));
    EXPECT_FALSE(m_window.windowIcon().isNull());
    EXPECT_EQ(box("convertText")->text(), "1");
    EXPECT_EQ(box("densityText")->text(), "50.0");
    EXPECT_EQ(box("txtResult")->text(), "");
    EXPECT_EQ(list("convCombo")->count(), 25);
    EXPECT_EQ(list("toCombo")->count(), 25);
    EXPECT_EQ(list("densityCombo")->count(), 12);
    EXPECT_EQ(list("convCombo")->currentText(), "cP");
    EXPECT_EQ(list("toCombo")->currentText(), "cSt");
    EXPECT_EQ(list("densityCombo")->currentText(), "lb/ft^3");
    EXPECT_EQ(list("toCombo")->itemText(15), "");
    EXPECT_FALSE(list("toCombo")->isEditable());
    EXPECT_EQ(focused(), "convertText");
    EXPECT_EQ(m_window.aboutWindow(), nullptr);
}

// The focus ring: two black pixels, then one white, along the control's edge.
bool showsFocusRing(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    const int middle = image.height() / 2;
    return image.pixelColor(1, middle) == Qt::black && image.pixelColor(2, middle) == Qt::white;
}

TEST_F(MainWindow, TabRunsThroughTheInputsInDesignOrderShowingTheFocus) {
    const QStringList forward{"densityText", "calButton",    "resetButton",
                              "convCombo",   "densityCombo", "toCombo",
                              "Command1",    "txtResult",    "convertText"};
    QStringList seen, ringed;
    for (int i = 0; i < forward.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << focused();
        if (showsFocusRing(QApplication::focusWidget()))
            ringed << focused();
    }
    EXPECT_EQ(seen, forward);
    EXPECT_EQ(ringed, forward);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), "txtResult");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_NE(m_window.aboutWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.aboutWindow()));
    EXPECT_TRUE(showsFocusRing(m_window.aboutWindow()->findChild<QPushButton*>("OK")));
}

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

TEST_F(MainWindow, CalculateShowsTheResult) {
    click("calButton");
    EXPECT_EQ(box("txtResult")->text(), "1.24843945");
    EXPECT_TRUE(m_messages.isEmpty());
}

struct RejectionCase {
    const char* name;
    const char* control;
    const char* text; // for a text box
    int index;        // for a list
    const char* message;
};

void PrintTo(const RejectionCase& c, std::ostream* os) {
    *os << c.name;
}

class MainWindowRejects : public MainWindow, public ::testing::WithParamInterface<RejectionCase> {};

// The reason of the last focus-in of the watched control.
class FocusInReason : public QObject {
public:
    Qt::FocusReason reason = Qt::NoFocusReason;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            reason = static_cast<QFocusEvent*>(event)->reason();
        return false;
    }
};

TEST_P(MainWindowRejects, ShowsTheMessageAndFocusesTheControl) {
    const auto& c = GetParam();
    if (auto* edit = m_window.findChild<QLineEdit*>(c.control))
        edit->setText(c.text);
    else
        list(c.control)->setCurrentIndex(c.index);
    box("txtResult")->setText("previous");
    list("densityCombo")->setFocus();
    m_window.setAttribute(Qt::WA_KeyboardFocusChange, false);
    FocusInReason focusIn;
    child(c.control)->installEventFilter(&focusIn);

    click("calButton");

    EXPECT_EQ(m_messages, QStringList{c.message});
    EXPECT_EQ(m_messageParents, QList<QWidget*>{&m_window});
    EXPECT_EQ(focused(), c.control);
    // Shown as after Tab, so that the style draws the focus.
    EXPECT_EQ(focusIn.reason, Qt::TabFocusReason);
    EXPECT_TRUE(m_window.testAttribute(Qt::WA_KeyboardFocusChange));
    EXPECT_EQ(box("txtResult")->text(), "previous");
}

// densityCombo has no empty entry: no selection (index -1) gives the empty text.
INSTANTIATE_TEST_SUITE_P(
    Rows, MainWindowRejects,
    ::testing::Values(
        RejectionCase{"BadValue", "convertText", "abc", 0, "Viscosity input value is invalid"},
        RejectionCase{"BadDensity", "densityText", "abc", 0, "Density input value is invalid"},
        RejectionCase{"ZeroValue", "convertText", "0", 0,
                      "Input Error: Viscosity input value is zero or negative"},
        RejectionCase{"NegativeDensity", "densityText", "-1", 0,
                      "Input Error: Density input value is zero or negative"},
        RejectionCase{"SeparatorAsValueUnit", "convCombo", nullptr, 15,
                      "Viscosity unit is not specified. "},
        RejectionCase{"NoDensityUnit", "densityCombo", nullptr, -1,
                      "Density unit is not specified. "},
        RejectionCase{"SeparatorAsTargetUnit", "toCombo", nullptr, 15,
                      "Conversion unit is not specified. "}),
    [](const auto& info) { return std::string(info.param.name); });

struct ResultCase {
    const char* value;
    const char* from;
    const char* result;
    const char* whole; // the tooltip and accessible description
};

void PrintTo(const ResultCase& c, std::ostream* os) {
    *os << c.value << " " << c.from;
}

class ResultBox : public MainWindow, public ::testing::WithParamInterface<ResultCase> {};

// The box is 97 pixels wide; a result cut off there is offered whole.
TEST_P(ResultBox, ShowsFromTheFirstDigitAndOffersACutResultWhole) {
    box("convertText")->setText(GetParam().value);
    list("convCombo")->setCurrentIndex(list("convCombo")->findText(GetParam().from));
    list("toCombo")->setCurrentIndex(list("toCombo")->findText("cP"));

    click("calButton");

    QLineEdit* result = box("txtResult");
    EXPECT_EQ(result->text(), GetParam().result);
    EXPECT_EQ(result->cursorPosition(), 0);
    // The cursor's rectangle, as cursorRect() gives it, near the left edge.
    EXPECT_LE(result->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 6);
    EXPECT_EQ(result->toolTip(), GetParam().whole);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description),
              GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(Rows, ResultBox,
                         ::testing::Values(ResultCase{"1000000", "Pa.s", "1,000,000,000.00000000",
                                                      "1,000,000,000.00000000"},
                                           ResultCase{"1000", "Pa.s", "1,000,000.00000000",
                                                      "1,000,000.00000000"},
                                           ResultCase{"1000", "cP", "1,000.00000000", ""},
                                           ResultCase{"2", "cP", "2.00000000", ""}),
                         [](const auto& info) {
                             return std::string(info.param.value) + "From" +
                                    (info.param.from[0] == 'c' ? "cP" : "Pas");
                         });

TEST_F(MainWindow, ArithmeticErrorIsReportedAndTheProgramGoesOn) {
    box("densityText")->setText("145");
    list("densityCombo")->setCurrentIndex(9); // deg Baume
    box("txtResult")->setText("previous");

    click("calButton");

    EXPECT_EQ(m_messages, QStringList{"The result cannot be computed: division by zero."});
    EXPECT_EQ(m_messageParents, QList<QWidget*>{&m_window});
    EXPECT_EQ(box("txtResult")->text(), "previous");
    EXPECT_EQ(box("convertText")->text(), "1");
    EXPECT_EQ(box("densityText")->text(), "145");
    EXPECT_EQ(list("densityCombo")->currentText(), "deg Baume");
    EXPECT_TRUE(m_window.isVisible());

    box("densityText")->setText("50.0");
    list("densityCombo")->setCurrentIndex(0);
    click("calButton");
    EXPECT_EQ(box("txtResult")->text(), "1.24843945");
}

TEST_F(MainWindow, ClearValuesRestoresTheStartingTexts) {
    box("convertText")->setText("7");
    box("densityText")->setText("8");
    box("txtResult")->setText("9");
    list("toCombo")->setCurrentIndex(20);

    click("resetButton");

    EXPECT_EQ(box("convertText")->text(), "1");
    EXPECT_EQ(box("densityText")->text(), "50.0");
    EXPECT_EQ(box("txtResult")->text(), "");
    EXPECT_EQ(list("toCombo")->currentText(), "m^2/s");
    EXPECT_TRUE(m_messages.isEmpty());
}

struct KeyCase {
    const char* control;
    Qt::Key key;
    const char* result; // "before" until something runs
    bool aboutShown;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.control << " " << c.key;
}

class KeyOnFocusedControl : public MainWindow, public ::testing::WithParamInterface<KeyCase> {};

// No window has a default button, and no box acts on Enter itself; Enter
// presses the focused button, as Space does.
TEST_P(KeyOnFocusedControl, PressesOnlyAFocusedButton) {
    const auto& c = GetParam();
    box("txtResult")->setText("before");
    child(c.control)->setFocus();
    QTest::keyClick(child(c.control), c.key);
    EXPECT_EQ(box("txtResult")->text(), c.result);
    EXPECT_EQ(box("convertText")->text(), "1");
    EXPECT_EQ(box("densityText")->text(), "50.0");
    EXPECT_EQ(m_window.aboutWindow() != nullptr, c.aboutShown);
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_TRUE(m_window.isVisible());
    EXPECT_EQ(m_window.focusWidget(), child(c.control));
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyOnFocusedControl,
                         ::testing::Values(KeyCase{"convertText", Qt::Key_Return, "before", false},
                                           KeyCase{"convertText", Qt::Key_Enter, "before", false},
                                           KeyCase{"convertText", Qt::Key_Escape, "before", false},
                                           KeyCase{"densityText", Qt::Key_Return, "before", false},
                                           KeyCase{"densityText", Qt::Key_Enter, "before", false},
                                           KeyCase{"densityText", Qt::Key_Escape, "before", false},
                                           KeyCase{"txtResult", Qt::Key_Return, "before", false},
                                           KeyCase{"txtResult", Qt::Key_Enter, "before", false},
                                           KeyCase{"txtResult", Qt::Key_Escape, "before", false},
                                           KeyCase{"calButton", Qt::Key_Return, "1.24843945",
                                                   false},
                                           KeyCase{"calButton", Qt::Key_Enter, "1.24843945", false},
                                           KeyCase{"calButton", Qt::Key_Escape, "before", false},
                                           KeyCase{"resetButton", Qt::Key_Return, "", false},
                                           KeyCase{"Command1", Qt::Key_Return, "before", true}),
                         [](const auto& info) {
                             const Qt::Key key = info.param.key;
                             return std::string(info.param.control) +
                                    (key == Qt::Key_Return  ? "Return"
                                     : key == Qt::Key_Enter ? "Enter"
                                                            : "Escape");
                         });

TEST_F(MainWindow, BannerOpensTheWebSiteAndTheLogoNothing) {
    click("Image1");
    EXPECT_TRUE(m_shell.urls.isEmpty());
    click("Image2");
    EXPECT_EQ(m_shell.urls, QStringList{"http://www.tarnwick.example"});
    // Pressed by assistive technology too.
    QAccessible::queryAccessibleInterface(child("Image2"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_shell.urls.size(), 2);
}

TEST_F(MainWindow, AboutUsTwiceShowsOneWindowFocusedOnClose) {
    click("Command1");
    About* about = m_window.aboutWindow();
    ASSERT_NE(about, nullptr);
    click("Command1");
    EXPECT_EQ(m_window.aboutWindow(), about);

    int aboutWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        aboutWindows += widget->objectName() == "About" ? 1 : 0;
    EXPECT_EQ(aboutWindows, 1);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_EQ(about->focusWidget(), about->findChild<QPushButton*>("OK"));
}

TEST_F(MainWindow, AboutClosedByItsCloseBoxIsMadeAnew) {
    click("Command1");
    QPointer<About> first = m_window.aboutWindow();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(m_window.aboutWindow(), nullptr);

    click("Command1");
    ASSERT_NE(m_window.aboutWindow(), nullptr);
    EXPECT_TRUE(m_window.aboutWindow()->isVisible());
}

// Closing the main window ends the program, with the About window shown or
// hidden: the event loop must return.
class ClosingMainWindow : public MainWindow, public ::testing::WithParamInterface<bool> {};

TEST_P(ClosingMainWindow, EndsTheProgram) {
    click("Command1");
    if (!GetParam())
        m_window.aboutWindow()->findChild<QPushButton*>("OK")->click();
    QTimer::singleShot(0, &m_window, &QWidget::close);
    QTimer timeout; // ends the event loop if closing the window did not
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timeout.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

INSTANTIATE_TEST_SUITE_P(AboutWindow, ClosingMainWindow, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Shown" : "Hidden"; });

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
