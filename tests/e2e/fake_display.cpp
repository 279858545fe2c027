// An X display that misbehaves, for as long as a command runs:
//   vks_fake_display MODE COMMAND [ARGS...]
// listens on a free local display number, runs COMMAND with DISPLAY naming
// it, and exits with COMMAND's status (128 + N when signal N ended it).
// MODE is what every client meets:
//   close    the connection is accepted and closed at once
//   garbage  bytes that are no X reply
//   silent   the connection is accepted and never answered
//   refuse   a well-formed refusal, as a server that wants a cookie sends
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

enum class Mode { Close, Garbage, Silent, Refuse };

int listenOn(int display) {
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(display);
    if (access(path.c_str(), F_OK) == 0) return -1; // a real server's
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, path.data(), path.size()); // abstract, as X servers on Linux
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || listen(fd, 8) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void drain(int fd) {
    char buffer[256];
    while (read(fd, buffer, sizeof buffer) > 0) {
    }
}

void serve(int client, Mode mode) {
    switch (mode) {
    case Mode::Close:
        break;
    case Mode::Garbage: {
        const char junk[] = "HTTP/1.0 400 Bad Request\r\n\r\nthis is not an X server";
        if (send(client, junk, sizeof junk, MSG_NOSIGNAL) < 0) break;
        drain(client);
        break;
    }
    case Mode::Silent:
        drain(client);
        break;
    case Mode::Refuse: {
        unsigned char request[12];
        if (read(client, request, sizeof request) <= 0) break;
        // Failed (0), the reason's length, protocol 11.0, then the reason in
        // 4-byte units.
        const char reason[] = "No protocol specified";
        const std::size_t reasonLength = sizeof reason - 1;
        const std::size_t padded = (reasonLength + 3) / 4 * 4;
        unsigned char reply[8 + 64] = {};
        reply[0] = 0;
        reply[1] = static_cast<unsigned char>(reasonLength);
        reply[2] = 11;
        reply[6] = static_cast<unsigned char>(padded / 4);
        std::memcpy(reply + 8, reason, reasonLength);
        if (send(client, reply, 8 + padded, MSG_NOSIGNAL) < 0) break;
        break;
    }
    }
    close(client);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s close|garbage|silent|refuse COMMAND [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string name = argv[1];
    Mode mode;
    if (name == "close") {
        mode = Mode::Close;
    } else if (name == "garbage") {
        mode = Mode::Garbage;
    } else if (name == "silent") {
        mode = Mode::Silent;
    } else if (name == "refuse") {
        mode = Mode::Refuse;
    } else {
        std::fprintf(stderr, "unknown mode %s\n", argv[1]);
        return 2;
    }
    int display = 100;
    int server = -1;
    for (; display < 1000 && server < 0; ++display) server = listenOn(display);
    if (server < 0) {
        std::fprintf(stderr, "no free display number\n");
        return 2;
    }
    --display;
    const std::string value = ":" + std::to_string(display);
    setenv("DISPLAY", value.c_str(), 1);
    std::thread([server, mode] {
        for (;;) {
            const int client = accept4(server, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) return;
            std::thread(serve, client, mode).detach();
        }
    }).detach();

    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return 2;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
