#include "form1.h"

#include <QEvent>
#include <QIcon>
#include <QLocale>

#include <array>

namespace {
void place(QWidget &widget, const char *name, int left, int top, int width, int height)
{
    widget.setObjectName(QLatin1StringView(name));
    widget.setGeometry(left, top, width, height);
}

void setTextColour(QWidget &widget, QPalette::ColorRole role, QColor colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}
} // namespace

Form1::Form1(Joystick &joystick, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      core(joystick, Picture1, *this, QLocale::system().decimalPoint().toStdString())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Skorvane"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icon-32.png"), QSize(32, 32));
    setWindowIcon(icon);
    setFixedSize(392, 269); // 5880 × 4035 twips at 15 twips to the pixel
    // The layout is fixed in pixels for an 8-point font at 96 dpi: keep the toolkit's family at
    // that pixel size so that captions and readouts fit their boxes at any resolution.
    QFont designFont = font();
    designFont.setPixelSize(11);
    setFont(designFont);

    place(Picture1, "Picture1", 8, 8, 254, 255);
    place(Picture2, "Picture2", 8, 8, 254, 255);
    Picture2.hide();
    Picture1.setWipeSource(&Picture2);
    Picture1.setFocusPolicy(Qt::StrongFocus);

    place(Frame1, "Frame1", 272, 8, 113, 113);
    place(Command2, "Command2", 16, 16, 81, 25);
    place(Command3, "Command3", 16, 48, 81, 25);
    place(Command1, "Command1", 16, 80, 81, 25);

    place(Frame2, "Frame2", 272, 128, 113, 65);
    place(Label1, "Label1", 8, 16, 57, 17);
    place(Text2, "Text2", 64, 16, 41, 19);
    place(Label2, "Label2", 8, 40, 57, 17);
    place(Text3, "Text3", 64, 40, 41, 19);
    setTextColour(Label1, QPalette::WindowText, QColor(255, 255, 0));
    setTextColour(Label2, QPalette::WindowText, QColor(255, 0, 0));
    setTextColour(Text2, QPalette::Base, Qt::white);
    setTextColour(Text3, QPalette::Base, Qt::white);

    place(Command5, "Command5", 272, 200, 113, 25);
    place(Command4, "Command4", 288, 240, 81, 17);

    // The designed tab order; frames and labels take no focus and Picture2 is never shown.
    setTabOrder(&Picture1, &Command1);
    setTabOrder(&Command1, &Command2);
    setTabOrder(&Command2, &Command3);
    setTabOrder(&Command3, &Text3);
    setTabOrder(&Text3, &Text2);
    setTabOrder(&Text2, &Command4);
    setTabOrder(&Command4, &Command5);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    // Precise timers are rescheduled from their due time, so a sweep keeps exact time over hours.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(TickPeriodMs);
    connect(&Timer1, &QTimer::timeout, this, [this] { core.tick(); });
    Timer1.start();

    connect(&Command1, &QPushButton::clicked, this, [this] { core.runStop(); });
    connect(&Command2, &QPushButton::clicked, this, [this] { core.nextTimeBase(); });
    connect(&Command3, &QPushButton::clicked, this, [this] { core.sweepMode(); });
    connect(&Command4, &QPushButton::clicked, this, [this] { core.hideSignature(); });
    connect(&Command5, &QPushButton::clicked, this, [this] { core.clearScreen(); });
}

bool Form1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        core.startUp(); // does nothing after the first time
    return QWidget::event(event);
}

QPushButton &Form1::button(Button button)
{
    return const_cast<QPushButton &>(std::as_const(*this).button(button));
}

const QPushButton &Form1::button(Button button) const
{
    const std::array<const QPushButton *, 5> buttons{&Command1, &Command2, &Command3, &Command4,
                                                     &Command5};
    return *buttons.at(std::size_t(button));
}

std::string Form1::caption(Button which) const
{
    return button(which).text().toStdString();
}

void Form1::setCaption(Button which, std::string_view text)
{
    button(which).setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void Form1::setReadouts(std::string_view text2, std::string_view text3)
{
    Text2.setText(QString::fromUtf8(text2.data(), qsizetype(text2.size())));
    Text3.setText(QString::fromUtf8(text3.data(), qsizetype(text3.size())));
}

void Form1::setButtonVisible(Button which, bool visible)
{
    button(which).setVisible(visible);
}

void Form1::setTickPeriod(int milliseconds)
{
    // On a running timer this also restarts the countdown: the new period counts from the click.
    Timer1.setInterval(milliseconds);
}

void Form1::stopTicking()
{
    Timer1.stop();
}

void Form1::startTicking()
{
    Timer1.start();
}
