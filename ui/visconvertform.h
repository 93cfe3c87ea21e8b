// SPDX-License-Identifier: MIT
// The main window: the viscosity value and its unit, the fluid density and its
// unit, the unit wanted, the result, and the three buttons.
#pragma once

#include "presenter/convmodule.h"
#include "presenter/convview.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarnwick::ui {

class About;
class ClickableLabel;
class ColouredFrame;

class VisConvertForm : public QWidget, public ConvView {
    Q_OBJECT

public:
    VisConvertForm();
    ~VisConvertForm() override;

    // Opens an address through the desktop; navTo is the caller's own copy.
    void Navigate(QString navTo);

    // The About window once "About Us" has created it; null before, and after
    // the user closed it with its close box.
    About* aboutWindow() const;

    // ConvView: how the calculation reaches the controls.
    QString text(Control control) const override;
    void setText(Control control, const QString& text) override;
    void setFocus(Control control) override;
    void showError(const QString& prompt) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void fillConvCombo();
    void fillDensityCombo();
    void fillToCombo();
    void showAbout();

    void calButtonClick();
    void resetButtonClick();
    void command1Click();
    void image2Click();
    void offerWholeResult();

    QWidget* control(Control control) const;

    ConvModule m_convModule{*this};
    QPointer<About> m_about;

    QLabel* m_image1 = nullptr;
    ClickableLabel* m_image2 = nullptr;
    ColouredFrame* m_convFrame = nullptr;
    QLabel* m_convertLabel = nullptr;
    QLabel* m_densityLabel = nullptr;
    QLabel* m_toLabel = nullptr;
    QLineEdit* m_convertText = nullptr;
    QLineEdit* m_densityText = nullptr;
    QLineEdit* m_txtResult = nullptr;
    QComboBox* m_convCombo = nullptr;
    QComboBox* m_densityCombo = nullptr;
    QComboBox* m_toCombo = nullptr;
    QPushButton* m_calButton = nullptr;
    QPushButton* m_resetButton = nullptr;
    QPushButton* m_command1 = nullptr;
};

} // namespace tarnwick::ui
