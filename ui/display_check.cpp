#include "display_check.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace breathlab {

namespace {

const char* Environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

bool ConnectLocal(int number) {
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return connected;
}

// X servers listen on TCP port 6000 + display number (ssh's forwarding too).
bool ConnectTcp(const std::string& host, int number) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(6000 + number).c_str(), &hints, &found) != 0)
        return false;
    bool connected = false;
    for (addrinfo* a = found; a && !connected; a = a->ai_next) {
        const int fd = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (fd < 0) continue;
        connected = connect(fd, a->ai_addr, a->ai_addrlen) == 0;
        close(fd);
    }
    freeaddrinfo(found);
    return connected;
}

bool XDisplayReachable(const std::string& name) {
    const auto address = ParseXDisplayName(name);
    if (!address) return false;
    if (address->Host.empty() || address->Host == "unix") return ConnectLocal(address->Number);
    return ConnectTcp(address->Host, address->Number);
}

bool WaylandSocketExists(const char* display) {
    if (display[0] == '/') return access(display, F_OK) == 0;
    const char* runtime = Environment("XDG_RUNTIME_DIR");
    return runtime && access((std::string(runtime) + "/" + display).c_str(), F_OK) == 0;
}

} // namespace

std::optional<XDisplayAddress> ParseXDisplayName(const std::string& name) {
    const auto colon = name.rfind(':');
    if (colon == std::string::npos || colon + 1 >= name.size()) return std::nullopt;
    XDisplayAddress address;
    address.Host = name.substr(0, colon);
    const std::string rest = name.substr(colon + 1);
    const auto dot = rest.find('.');
    const std::string number = rest.substr(0, dot);
    if (number.empty() || number.size() > 5 ||
        number.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    address.Number = std::stoi(number);
    return address;
}

bool CommandLineChoosesPlatform(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

std::optional<std::string> MissingDisplayMessage(bool platformChosen) {
    if (platformChosen || Environment("QT_QPA_PLATFORM")) return std::nullopt;
    if (const char* wayland = Environment("WAYLAND_DISPLAY"); wayland && WaylandSocketExists(wayland))
        return std::nullopt;
    const char* x = Environment("DISPLAY");
    if (x && XDisplayReachable(x)) return std::nullopt;
    const std::string reason =
        x ? "the display " + std::string(x) + " cannot be opened" : "no display is set (DISPLAY)";
    return "breathlab: " + reason +
           "; the window needs a graphical desktop (for a headless look: xvfb-run make run)";
}

} // namespace breathlab
