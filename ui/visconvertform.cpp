// SPDX-License-Identifier: MIT
#include "ui/visconvertform.h"

#include "engine/engine.h"
#include "ui/about.h"
#include "ui/addresses.h"
#include "ui/appearance.h"
#include "ui/clickablelabel.h"
#include "ui/colouredframe.h"
#include "ui/errorreport.h"
#include "ui/messagebox.h"
#include "ui/shell.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tarnwick::ui {

namespace {

template <typename Widget>
Widget* make(QWidget* parent, const char* name, const QRect& geometry) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A text box or list, named for screen readers after the label of its row.
template <typename Widget>
Widget* makeInput(QWidget* parent, const char* name, const QRect& geometry,
                  const QString& accessibleName) {
    auto* input = make<Widget>(parent, name, geometry);
    input->setAccessibleName(accessibleName);
    return input;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption) {
    auto* button = make<QPushButton>(parent, name, geometry);
    button->setText(caption);
    button->setFont(designFont(8.25, true));
    // Enter presses the focused button, as Space does. Outside a dialog this
    // makes no button the window's default: Enter in a text box does nothing.
    button->setAutoDefault(true);
    return button;
}

QLabel* makeCaption(QWidget* parent, const char* name, const QRect& geometry,
                    const QString& caption) {
    auto* label = make<QLabel>(parent, name, geometry);
    label->setText(caption);
    label->setFont(designFont(9, true));
    setTextColour(label, fixedTextColour);
    return label;
}

template <typename Label>
Label* makePicture(QWidget* parent, const char* name, const QPoint& position,
                   const QString& resource) {
    const QPixmap pixmap = designPicture(resource, parent->devicePixelRatioF());
    auto* picture =
        make<Label>(parent, name, QRect(position, pixmap.deviceIndependentSize().toSize()));
    picture->setPixmap(pixmap);
    return picture;
}

bool showsWhole(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box) -
                           box->textMargins();
    // A line edit keeps two pixels clear on each side of its text.
    return box->fontMetrics().horizontalAdvance(box->text()) <= contents.width() - 4;
}

void appendUnits(QComboBox* list, const auto& units, int selected) {
    for (const auto unit : units)
        list->addItem(QString::fromLatin1(unit.data(), static_cast<qsizetype>(unit.size())));
    list->setCurrentIndex(selected);
}

} // namespace

VisConvertForm::VisConvertForm()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("visConvertForm"));
    setWindowTitle(QStringLiteral("Absolute & Kinematic Tarnwick"));
    setFixedSize(twips(5520), twips(3780));
    setFont(windowFont());

    createControls();

    // The load handler.
    fillConvCombo();
    fillDensityCombo();
    fillToCombo();
}

VisConvertForm::~VisConvertForm() {
    // The About window has no owner; it ends with the program.
    delete m_about;
}

void VisConvertForm::createControls() {
    // Children are created bottom of the stacking order first, so each one
    // stacks above those before it.
    m_image1 = makePicture<QLabel>(this, "Image1", {twips(120), twips(120)},
                                   QStringLiteral(":/images/logo.bmp"));
    m_image2 = makePicture<ClickableLabel>(this, "Image2", {twips(2390), twips(120)},
                                           QStringLiteral(":/images/banner.bmp"));
    m_image2->setCursor(Qt::PointingHandCursor);
    m_image2->setToolTip(webSiteHost);
    m_image2->setAccessibleName(QStringLiteral("Web site ") + webSiteHost);

    m_convFrame = new ColouredFrame(panelColour, this);
    m_convFrame->setObjectName(QStringLiteral("convFrame"));
    m_convFrame->setGeometry(twipsRect(120, 1080, 5270, 2535));
    m_convFrame->setFrameShape(QFrame::Box);
    m_convFrame->setFrameShadow(QFrame::Sunken);

    // Inside the panel; positions are the panel's own.
    m_convertLabel = makeCaption(m_convFrame, "convertLabel", twipsRect(120, 220, 855, 255),
                                 QStringLiteral("Convert"));
    m_densityLabel = makeCaption(m_convFrame, "densityLabel", twipsRect(120, 570, 1815, 255),
                                 QStringLiteral("With Fluid Density"));
    m_toLabel =
        makeCaption(m_convFrame, "toLabel", twipsRect(120, 930, 495, 255), QStringLiteral("To"));
    m_convertText = makeInput<QLineEdit>(
        m_convFrame, "convertText", twipsRect(1920, 200, 1455, 315), QStringLiteral("Convert"));
    m_calButton =
        makeButton(m_convFrame, "calButton", twipsRect(120, 1920, 1575, 375), "Calculate");
    m_convCombo = makeInput<QComboBox>(m_convFrame, "convCombo", twipsRect(3420, 200, 1815, 315),
                                       QStringLiteral("Convert unit"));
    m_txtResult = makeInput<QLineEdit>(m_convFrame, "txtResult", twipsRect(1920, 900, 1455, 315),
                                       QStringLiteral("Result"));

    // Window children that lie on the panel and stack above it.
    m_densityText = makeInput<QLineEdit>(this, "densityText", twipsRect(2040, 1635, 1455, 315),
                                         QStringLiteral("With Fluid Density"));
    m_resetButton =
        makeButton(this, "resetButton", twipsRect(1800, 3000, 1575, 375), "Clear Values");
    m_densityCombo = makeInput<QComboBox>(this, "densityCombo", twipsRect(3540, 1635, 1815, 315),
                                          QStringLiteral("With Fluid Density unit"));
    m_toCombo = makeInput<QComboBox>(this, "toCombo", twipsRect(3540, 2000, 1815, 315),
                                     QStringLiteral("To unit"));
    // Each row's label names its list for screen readers (the boxes carry
    // their names themselves); a buddy without a mnemonic adds no key.
    m_convertLabel->setBuddy(m_convCombo);
    m_densityLabel->setBuddy(m_densityCombo);
    m_toLabel->setBuddy(m_toCombo);
    m_command1 = makeButton(this, "Command1", twipsRect(120, 780, 2250, 340), "About Us");

    m_convertText->setText(ConvModule::startingValueText());
    m_densityText->setText(ConvModule::startingDensityText());

    setTabOrder(m_convertText, m_densityText);
    setTabOrder(m_densityText, m_calButton);
    setTabOrder(m_calButton, m_resetButton);
    setTabOrder(m_resetButton, m_convCombo);
    setTabOrder(m_convCombo, m_densityCombo);
    setTabOrder(m_densityCombo, m_toCombo);
    setTabOrder(m_toCombo, m_command1);
    setTabOrder(m_command1, m_txtResult);
    m_convertText->setFocus();

    connect(m_calButton, &QPushButton::clicked, this, &VisConvertForm::calButtonClick);
    connect(m_resetButton, &QPushButton::clicked, this, &VisConvertForm::resetButtonClick);
    connect(m_command1, &QPushButton::clicked, this, &VisConvertForm::command1Click);
    connect(m_image2, &ClickableLabel::clicked, this, &VisConvertForm::image2Click);
    connect(m_txtResult, &QLineEdit::textChanged, this, &VisConvertForm::offerWholeResult);
}

void VisConvertForm::fillConvCombo() {
    appendUnits(m_convCombo, viscosityUnits, defaultFromUnitIndex);
}

void VisConvertForm::fillDensityCombo() {
    appendUnits(m_densityCombo, densityUnits, defaultDensityUnitIndex);
}

void VisConvertForm::fillToCombo() {
    appendUnits(m_toCombo, viscosityUnits, defaultToUnitIndex);
}

About* VisConvertForm::aboutWindow() const {
    return m_about;
}

void VisConvertForm::showAbout() {
    if (!m_about)
        m_about = new About;
    m_about->show();
    // A user of the keyboard sees the focus mark on "Close" at once (showing
    // a window forgets that the keyboard was used, so this comes after).
    if (testAttribute(Qt::WA_KeyboardFocusChange))
        m_about->setAttribute(Qt::WA_KeyboardFocusChange);
    m_about->raise();
    m_about->activateWindow();
}

void VisConvertForm::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), desktopColour);
}

void VisConvertForm::offerWholeResult() {
    // The box is narrower than a long result: the whole text goes to its
    // tooltip and to screen readers whenever part of it is cut off.
    const QString whole = showsWhole(m_txtResult) ? QString() : m_txtResult->text();
    m_txtResult->setToolTip(whole);
    m_txtResult->setAccessibleDescription(whole);
}

void VisConvertForm::Navigate(QString navTo) {
    openWithDesktop(navTo);
}

void VisConvertForm::calButtonClick() {
    guarded(this, [this] { m_convModule.calculate(); });
}

void VisConvertForm::resetButtonClick() {
    guarded(this, [this] { m_convModule.clearValues(); });
}

void VisConvertForm::command1Click() {
    guarded(this, [this] { showAbout(); });
}

void VisConvertForm::image2Click() {
    guarded(this, [this] { Navigate(webSiteAddress()); });
}

QWidget* VisConvertForm::control(Control control) const {
    switch (control) {
    case Control::convertText:
        return m_convertText;
    case Control::densityText:
        return m_densityText;
    case Control::convCombo:
        return m_convCombo;
    case Control::densityCombo:
        return m_densityCombo;
    case Control::toCombo:
        return m_toCombo;
    case Control::txtResult:
        return m_txtResult;
    }
    return nullptr;
}

QString VisConvertForm::text(Control which) const {
    const QWidget* widget = control(which);
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return list->currentText();
    return static_cast<const QLineEdit*>(widget)->text();
}

void VisConvertForm::setText(Control which, const QString& text) {
    if (auto* box = qobject_cast<QLineEdit*>(control(which))) {
        box->setText(text);
        // A written text shows from its first digit: with the cursor left at
        // the end, a long result would show only its tail.
        box->setCursorPosition(0);
    }
}

void VisConvertForm::setFocus(Control which) {
    // As if by Tab, so that the style draws the focus on the control at
    // fault: a list shows its focus only after a change by the keyboard.
    setAttribute(Qt::WA_KeyboardFocusChange);
    control(which)->setFocus(Qt::TabFocusReason);
}

void VisConvertForm::showError(const QString& prompt) {
    MessageBox::critical(this, prompt);
}

} // namespace tarnwick::ui
