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

// An X server's local socket on a free display number, listening for as long
// as the object lives (abstract, as X servers on Linux open one).
class FakeXServer {
public:
    FakeXServer() {
        for (display_ = 100; display_ < 1000 && !listening_; ++display_) listening_ = listenOn(display_);
        --display_;
    }
    ~FakeXServer() { close(fd_); }
    bool listening() const { return listening_; }
    std::string name(const char* prefix = ":", const char* suffix = "") const {
        return prefix + std::to_string(display_) + suffix;
    }

private:
    bool listenOn(int display) {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(display);
        if (access(path.c_str(), F_OK) == 0) return false;
        if (fd_ >= 0) close(fd_);
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, path.data(), path.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
        return bind(fd_, reinterpret_cast<const sockaddr*>(&address), length) == 0 && listen(fd_, 4) == 0;
    }

    int fd_ = -1;
    int display_ = 100;
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

// The judgement before the proof: a local display needs a socket that
// answers (whether the server behind it takes the client, only a child
// process that starts the platform can tell).
TEST_F(PlatformEnvironment, XcbNeedsALocalDisplayThatAnswers) {
    std::optional<FakeXServer> server(std::in_place);
    ASSERT_TRUE(server->listening());
    const std::string display = server->name();
    set("QT_QPA_PLATFORM", "xcb");
    for (const std::string& name : {server->name(), server->name(":", ".0"), server->name("unix:")}) {
        set("DISPLAY", name.c_str());
        EXPECT_EQ(vks::platformProblem(), std::nullopt) << name;
    }
    server.reset();
    set("DISPLAY", display.c_str());
    const auto problem = vks::platformProblem();
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find(display), std::string::npos) << *problem;
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
    const FakeXServer server;
    ASSERT_TRUE(server.listening());
    set("DISPLAY", server.name().c_str());
    EXPECT_EQ(vks::platformProblem(), std::nullopt);
}
