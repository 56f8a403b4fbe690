// The real skorvane binary in a real X server of its own.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

pid_t spawn(const std::vector<std::string> &args)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char *> argv;
        for (const std::string &arg : args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

void stop(pid_t &pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

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

class RealWindow : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        xvfb = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "640x480x24",
                      "-nolisten", "tcp"});
        close(fds[1]);
        char number[32] = {};
        const ssize_t n = read(fds[0], number, sizeof number - 1);
        close(fds[0]);
        ASSERT_GT(n, 0) << "Xvfb did not start";
        display = ":" + std::to_string(std::stoi(number));
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        static int argc = 1;
        static char name[] = "e2e_test";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    static void TearDownTestSuite()
    {
        app.reset();
        stop(xvfb);
    }

    void SetUp() override
    {
        ASSERT_NE(app, nullptr);
        skorvane = spawn({SKORVANE_BINARY});
        for (int i = 0; i < 100 && window == 0; ++i) {
            const std::string found = run("xdotool search --name '^Skorvane$' 2>/dev/null");
            if (!found.empty())
                window = std::stoul(found);
            else
                std::this_thread::sleep_for(100ms);
        }
        ASSERT_NE(window, 0u) << "no Skorvane window on " << display;
    }

    void TearDown() override { stop(skorvane); }

    QImage screenshot() const
    {
        return QGuiApplication::primaryScreen()
            ->grabWindow(WId(window))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Client-area pixel of the scope screen, which sits inside a 2-pixel border at (8, 8).
    static QRgb screenPixel(const QImage &shot, int x, int y) { return shot.pixel(10 + x, 10 + y); }

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

    static inline pid_t xvfb = -1;
    static inline std::string display;
    static inline std::unique_ptr<QGuiApplication> app;
    pid_t skorvane = -1;
    unsigned long window = 0;
};

constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb Navy = 0xFF000080;
constexpr QRgb LightCyan = 0xFF80FFFF;

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

} // namespace
