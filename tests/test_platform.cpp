// Whether a windowing platform can start, judged before the module creates
// its application object (creating one where none can start aborts the
// process).
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <string>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>

#include "entry/Platform.h"

namespace {

// Sets the environment the platform check reads for one test and puts the
// process's own back afterwards.
class PlatformEnvironment : public ::testing::Test {
protected:
    static constexpr const char* kNames[] = {
        "QT_QPA_PLATFORM",  "DISPLAY",         "WAYLAND_DISPLAY",     "WAYLAND_SOCKET",
        "XDG_SESSION_TYPE", "XDG_RUNTIME_DIR", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP"};

    void SetUp() override {
        for (const char* name : kNames) {
            if (qEnvironmentVariableIsSet(name)) saved_[name] = qgetenv(name);
            qunsetenv(name);
        }
    }
    void TearDown() override {
        for (const char* name : kNames) {
            const auto it = saved_.find(name);
            if (it == saved_.end()) {
                qunsetenv(name);
            } else {
                qputenv(name, it->second);
            }
        }
    }
    static void set(const char* name, const char* value) { qputenv(name, value); }

private:
    std::map<std::string, QByteArray> saved_;
};

// An X server's local socket, listening for as long as the object lives
// (abstract, as X servers on Linux open one).
class FakeXServer {
public:
    explicit FakeXServer(int display) {
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(display);
        std::memcpy(address.sun_path + 1, path.data(), path.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
        listening_ = bind(fd_, reinterpret_cast<const sockaddr*>(&address), length) == 0 && listen(fd_, 4) == 0;
    }
    ~FakeXServer() { close(fd_); }
    bool listening() const { return listening_; }

private:
    int fd_ = -1;
    bool listening_ = false;
};

} // namespace

TEST_F(PlatformEnvironment, PlatformsWithoutADisplayStart) {
    for (const char* platform : {"offscreen", "minimal", "OFFSCREEN", "offscreen:fontengine=freetype"}) {
        set("QT_QPA_PLATFORM", platform);
        EXPECT_EQ(vks::platformProblem(), std::nullopt) << platform;
    }
}

TEST_F(PlatformEnvironment, NothingConfiguredAndNoDisplayCannotStart) {
    // The toolkit's default is xcb, which needs a display.
    const auto problem = vks::platformProblem();
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("\"xcb\""), std::string::npos) << *problem;
    EXPECT_NE(problem->find("DISPLAY"), std::string::npos) << *problem;
}

TEST_F(PlatformEnvironment, APlatformWithoutAPluginCannotStart) {
    set("QT_QPA_PLATFORM", "nosuchplatform");
    const auto problem = vks::platformProblem();
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("\"nosuchplatform\""), std::string::npos) << *problem;
    set("QT_QPA_PLATFORM", ";");
    EXPECT_TRUE(vks::platformProblem().has_value());
}

TEST_F(PlatformEnvironment, AnyPlatformOfAListThatCanStartWill) {
    set("QT_QPA_PLATFORM", "nosuchplatform;xcb;offscreen");
    EXPECT_EQ(vks::platformProblem(), std::nullopt);
}

TEST_F(PlatformEnvironment, XcbNeedsALocalDisplayThatAnswers) {
    set("QT_QPA_PLATFORM", "xcb");
    set("DISPLAY", ":4711");
    const auto problem = vks::platformProblem();
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find(":4711"), std::string::npos) << *problem;

    const FakeXServer server(4712);
    ASSERT_TRUE(server.listening());
    for (const char* display : {":4712", ":4712.0", "unix:4712"}) {
        set("DISPLAY", display);
        EXPECT_EQ(vks::platformProblem(), std::nullopt) << display;
    }
    // A display on another machine is taken on trust.
    set("DISPLAY", "terminal-host:0");
    EXPECT_EQ(vks::platformProblem(), std::nullopt);
}

TEST_F(PlatformEnvironment, AWaylandSessionFallsBackToXcb) {
    // Wayland first (its plugin is not installed here), then xcb.
    set("XDG_SESSION_TYPE", "wayland");
    const auto problem = vks::platformProblem();
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("\"wayland\""), std::string::npos) << *problem;
    EXPECT_NE(problem->find("\"xcb\""), std::string::npos) << *problem;
    const FakeXServer server(4713);
    ASSERT_TRUE(server.listening());
    set("DISPLAY", ":4713");
    EXPECT_EQ(vks::platformProblem(), std::nullopt);
}
