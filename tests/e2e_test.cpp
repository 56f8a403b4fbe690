// The real skorvane binary in a real X server of its own.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include "xvfbserver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::string run(const std::string &command)
{
    std::string out;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        pclose(pipe);
    }
    return out;
}

// Client-area pixel of the scope screen, which sits inside a 2-pixel border at (8, 8).
QRgb screenPixel(const QImage &shot, int x, int y)
{
    return shot.pixel(10 + x, 10 + y);
}

constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb Navy = 0xFF000080;
constexpr QRgb LightCyan = 0xFF80FFFF;
constexpr QRgb Grey = 0xFFC0C0C0;

bool showsBlankScreen(const QImage &shot)
{
    for (int y = 0; y < 251; ++y) {
        for (int x = 0; x < 250; ++x) {
            const bool ruled = (x % 25 == 0 && x != 0) || (y % 25 == 0 && y != 0);
            const QRgb expected = y == 250 ? Grey : ruled ? LightCyan : Navy;
            if (screenPixel(shot, x, y) != expected)
                return false;
        }
    }
    return true;
}

QImage screenArea(const QImage &shot)
{
    return shot.copy(10, 10, 250, 251);
}

class RealWindow : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        xvfb = std::make_unique<XvfbServer>();
        ASSERT_TRUE(xvfb->isRunning()) << "Xvfb did not start";
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        static int argc = 1;
        static char name[] = "e2e_test";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    static void TearDownTestSuite()
    {
        app.reset();
        xvfb.reset();
    }

    void SetUp() override
    {
        ASSERT_NE(app, nullptr);
        skorvane = spawnProcess({SKORVANE_BINARY});
        for (int i = 0; i < 100 && window == 0; ++i) {
            const std::string found =
                run("xdotool search --onlyvisible --name '^Skorvane$' 2>/dev/null");
            if (!found.empty())
                window = std::stoul(found);
            else
                std::this_thread::sleep_for(100ms);
        }
        ASSERT_NE(window, 0u) << "no Skorvane window on " << xvfb->displayName();
    }

    void TearDown() override { stopProcess(skorvane); }

    QImage screenshot() const
    {
        return QGuiApplication::primaryScreen()
            ->grabWindow(WId(window))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Clicks at a point of the window's client area, as a user with a mouse would.
    void clickAt(int x, int y) const
    {
        run("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " +
            std::to_string(y) + " click 1");
    }

    // Waits until the screenshot satisfies `done`, up to `timeout`.
    template <typename Done> QImage waitFor(Done done, std::chrono::milliseconds timeout)
    {
        const auto end = std::chrono::steady_clock::now() + timeout;
        QImage shot = screenshot();
        while (!done(shot) && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(50ms);
            shot = screenshot();
        }
        return shot;
    }

    static inline std::unique_ptr<XvfbServer> xvfb;
    static inline std::unique_ptr<QGuiApplication> app;
    pid_t skorvane = -1;
    unsigned long window = 0;
};

TEST_F(RealWindow, DrawsFlatYellowTraceAtReadingZeroWithoutJoystick)
{
    // Reading 0 falls on client row 249; 1 cm / s moves 25 columns a second.
    const QImage shot =
        waitFor([](const QImage &s) { return screenPixel(s, 30, 249) == Yellow; }, 10s);
    ASSERT_EQ(shot.size(), QSize(392, 269));
    for (int x = 0; x <= 30; ++x) {
        EXPECT_EQ(screenPixel(shot, x, 249), Yellow) << x;
        EXPECT_NE(screenPixel(shot, x, 248), Yellow) << x;
    }
    // The rest of the screen is still the graticule.
    EXPECT_EQ(screenPixel(shot, 25, 110), LightCyan);
    EXPECT_EQ(screenPixel(shot, 12, 110), Navy);
    EXPECT_EQ(screenPixel(shot, 240, 249), Navy);
}

// Centres of the buttons in the window: Command1 and Command2 inside the "Horizontal" frame.
constexpr int RunStopX = 272 + 16 + 40, RunStopY = 8 + 80 + 12;
constexpr int ClearX = 272 + 56, ClearY = 200 + 12;
constexpr int SignatureX = 288 + 40, SignatureY = 240 + 8;

TEST_F(RealWindow, ButtonsStopClearAndHideSignature)
{
    waitFor([](const QImage &s) { return screenPixel(s, 10, 249) == Yellow; }, 10s);

    clickAt(RunStopX, RunStopY);
    std::this_thread::sleep_for(400ms); // let a tick or two go by after the click
    const QImage stopped = screenshot();
    std::this_thread::sleep_for(1s);
    const QImage later = screenshot();
    EXPECT_EQ(screenArea(later), screenArea(stopped)) << "the trace moved while stopped";
    EXPECT_FALSE(showsBlankScreen(later));

    clickAt(ClearX, ClearY);
    EXPECT_TRUE(showsBlankScreen(waitFor(showsBlankScreen, 3s)));
    std::this_thread::sleep_for(600ms);
    EXPECT_TRUE(showsBlankScreen(screenshot())) << "a stopped scope drew after Clear screen";

    const QImage withSignature = screenshot();
    const QRgb background = withSignature.pixel(280, 262);
    auto signatureGone = [&](const QImage &s) {
        for (int y = 240; y < 257; ++y)
            for (int x = 288; x < 369; ++x)
                if (s.pixel(x, y) != background)
                    return false;
        return true;
    };
    ASSERT_FALSE(signatureGone(withSignature));
    clickAt(SignatureX, SignatureY);
    EXPECT_TRUE(signatureGone(waitFor(signatureGone, 3s)));

    clickAt(RunStopX, RunStopY); // running again: the trace resumes
    EXPECT_FALSE(
        showsBlankScreen(waitFor([](const QImage &s) { return !showsBlankScreen(s); }, 3s)));
}

} // namespace
