#pragma once

#include "panel.h"
#include "scopecore.h"
#include "scopescreen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

// The main window. It only lays out the controls, lends them to the scope as its panel and
// wires the activation, Timer1 and the buttons to it; the scope's behaviour lives in ScopeCore.
class Form1 : public QWidget, public Panel
{
    Q_OBJECT

public:
    explicit Form1(Joystick &joystick, QWidget *parent = nullptr);

    static constexpr int TickPeriodMs = 200;

    std::string caption(Button button) const override;
    void setCaption(Button button, std::string_view text) override;
    void setButtonVisible(Button button, bool visible) override;
    void setReadouts(std::string_view text2, std::string_view text3) override;
    void setTickPeriod(int milliseconds) override;
    void stopTicking() override;
    void startTicking() override;

    ScopeCore &scope() { return core; }

protected:
    bool event(QEvent *event) override;

private:
    QPushButton &button(Button button);
    const QPushButton &button(Button button) const;

    // Declared parents first: each control is created inside its container.
    ScopeScreen Picture1{this};
    ScopeScreen Picture2{this};
    QGroupBox Frame1{QStringLiteral("Horizontal"), this};
    QPushButton Command2{QStringLiteral("1 cm / s"), &Frame1};
    QPushButton Command3{QStringLiteral("Relax"), &Frame1};
    QPushButton Command1{QStringLiteral("Running"), &Frame1};
    QGroupBox Frame2{QStringLiteral("Vertical"), this};
    QLabel Label1{QStringLiteral("Channel 1"), &Frame2};
    QLineEdit Text2{&Frame2};
    QLabel Label2{QStringLiteral("Channel 2"), &Frame2};
    QLineEdit Text3{&Frame2};
    QPushButton Command5{QStringLiteral("Clear screen"), this};
    QPushButton Command4{QStringLiteral("Orv 1998"), this};
    QTimer Timer1{this};
    ScopeCore core;
};
