#include "tests/platform/display_relay.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace window_test {
namespace {

int connect_to(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
    if (fd >= 0) close(fd);
    return -1;
}

// Bytes with the descriptors that came with them.
struct Chunk {
    std::vector<unsigned char> bytes;
    std::vector<int> fds;
};

constexpr size_t kMaxFds = 28;

// One read: false at the end of the stream or on an error.
bool receive(int fd, Chunk& chunk) {
    unsigned char buffer[65536];
    alignas(cmsghdr) char control[CMSG_SPACE(kMaxFds * sizeof(int))];
    iovec io{buffer, sizeof buffer};
    msghdr message{};
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t n = recvmsg(fd, &message, MSG_CMSG_CLOEXEC);
    if (n <= 0) return false;
    chunk.bytes.assign(buffer, buffer + n);
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS) continue;
        const size_t count = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        const int* fds = reinterpret_cast<const int*>(CMSG_DATA(c));
        chunk.fds.insert(chunk.fds.end(), fds, fds + count);
    }
    return true;
}

// Sends all of `bytes`, the descriptors with the first part; then closes
// this side's copies of them.
bool send_all(int fd, const unsigned char* bytes, size_t size, std::vector<int>& fds) {
    bool ok = true;
    while (size > 0 && ok) {
        iovec io{const_cast<unsigned char*>(bytes), size};
        msghdr message{};
        message.msg_iov = &io;
        message.msg_iovlen = 1;
        alignas(cmsghdr) char control[CMSG_SPACE(kMaxFds * sizeof(int))];
        if (!fds.empty()) {
            message.msg_control = control;
            message.msg_controllen = CMSG_SPACE(fds.size() * sizeof(int));
            cmsghdr* c = CMSG_FIRSTHDR(&message);
            c->cmsg_level = SOL_SOCKET;
            c->cmsg_type = SCM_RIGHTS;
            c->cmsg_len = CMSG_LEN(fds.size() * sizeof(int));
            std::memcpy(CMSG_DATA(c), fds.data(), fds.size() * sizeof(int));
        }
        const ssize_t n = sendmsg(fd, &message, MSG_NOSIGNAL);
        if (n <= 0) {
            ok = false;
            break;
        }
        for (int f : fds) close(f);
        fds.clear();
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    for (int f : fds) close(f);
    fds.clear();
    return ok;
}

uint32_t u32(const std::vector<unsigned char>& b, size_t at, bool big) {
    return big ? (uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3])
               : (uint32_t{b[at + 3]} << 24 | uint32_t{b[at + 2]} << 16 | uint32_t{b[at + 1]} << 8 | b[at]);
}
uint16_t u16(const std::vector<unsigned char>& b, size_t at, bool big) {
    return static_cast<uint16_t>(big ? (b[at] << 8 | b[at + 1]) : (b[at + 1] << 8 | b[at]));
}
size_t padded(size_t n) { return (n + 3) & ~size_t{3}; }

bool logging() { return std::getenv("RELAY_LOG") != nullptr; }

}  // namespace

struct DisplayRelay::Link {
    int program = -1, server = -1;
    int number = 0;                   // the program's connections in order, from 1
    std::vector<unsigned char> seen;  // what the program sent, not yet read through
    size_t parsed = 0;                // of `seen`, read through
    bool done = false;                // the moment is past: no more reading through
    Chunk held;
    // X11
    bool big_endian = false, set_up = false, answered = false;
    // Wayland: the ids of the objects that lead to a toplevel.
    std::set<uint32_t> registries, wm_bases, xdg_surfaces;
};

DisplayRelay::DisplayRelay(Protocol protocol, std::string server_path, Moment hold_at)
    : protocol_(protocol), server_path_(std::move(server_path)), hold_at_(hold_at) {
    if (pipe2(wake_, O_CLOEXEC) != 0) wake_[0] = wake_[1] = -1;
    thread_ = std::thread([this] { run(); });
}

DisplayRelay::~DisplayRelay() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake();
    thread_.join();
    for (auto& link : links_) {
        if (link->program >= 0) close(link->program);
        if (link->server >= 0) close(link->server);
        for (int f : link->held.fds) close(f);
    }
    if (listener_ >= 0) close(listener_);
    close(wake_[0]);
    close(wake_[1]);
}

bool DisplayRelay::listen_at(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    unlink(path.c_str());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(fd, 8) != 0) {
        close(fd);
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        listener_ = fd;
    }
    wake();
    return true;
}

int DisplayRelay::hand_down() {
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return -1;
    const int server = connect_to(server_path_);
    if (server < 0) {
        close(pair[0]);
        close(pair[1]);
        return -1;
    }
    // The program's end is inherited across exec.
    fcntl(pair[1], F_SETFD, 0);
    {
        std::lock_guard lock(mutex_);
        auto link = std::make_unique<Link>();
        link->program = pair[0];
        link->server = server;
        links_.push_back(std::move(link));
    }
    wake();
    return pair[1];
}

bool DisplayRelay::wait_held(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return held_.load(); });
}

void DisplayRelay::release() {
    {
        std::lock_guard lock(mutex_);
        released_ = true;
    }
    wake();
}

void DisplayRelay::wake() {
    const char c = 0;
    if (write(wake_[1], &c, 1) < 0) {
    }
}

void DisplayRelay::add_link(int program_fd) {
    auto link = std::make_unique<Link>();
    link->program = program_fd;
    link->server = connect_to(server_path_);
    if (link->server < 0) {
        // No server: the program's connection is refused, as it would be.
        close(program_fd);
        return;
    }
    std::lock_guard lock(mutex_);
    link->number = ++connections_;
    links_.push_back(std::move(link));
}

long DisplayRelay::find_moment(Link& link) {
    std::vector<unsigned char>& b = link.seen;
    const bool log = logging();
    while (true) {
        const size_t at = link.parsed, left = b.size() - at;
        if (protocol_ == Protocol::X11) {
            if (!link.set_up) {
                if (left < 12) return -1;
                link.big_endian = b[at] == 'B';
                const size_t size =
                    12 + padded(u16(b, at + 6, link.big_endian)) + padded(u16(b, at + 8, link.big_endian));
                if (left < size) return -1;
                if (log) std::fprintf(stderr, "relay x11 #%d setup\n", link.number);
                if (hold_at_ == Moment::Connecting) return static_cast<long>(at);
                link.set_up = true;
                link.parsed += size;
                continue;
            }
            if (left < 4) return -1;
            size_t size = size_t{u16(b, at + 2, link.big_endian)} * 4;
            if (size == 0) {  // BIG-REQUESTS: the length follows
                if (left < 8) return -1;
                size = size_t{u32(b, at + 4, link.big_endian)} * 4;
            }
            if (size < 4 || left < size) return -1;
            const unsigned opcode = b[at];
            if (log) std::fprintf(stderr, "relay x11 #%d request %u\n", link.number, opcode);
            link.parsed += size;
            if (hold_at_ == Moment::Connected && link.number == 1 && connections_ >= 2) return static_cast<long>(at);
            // CreateWindow: the window's id, then its parent's. A top-level
            // window's parent is the root, the server's own: its id is not
            // from the program's range (the bits above a client's 21).
            const auto word = [&](size_t i) { return size >= 4 * (i + 1) ? u32(b, at + 4 * i, link.big_endian) : 0; };
            if (log && opcode == 1) std::fprintf(stderr, "relay x11 window %x in %x\n", word(1), word(2));
            if (opcode == 1 && window_ == 0 && (word(2) >> 21) != (word(1) >> 21)) {
                window_ = word(1);
                if (hold_at_ == Moment::WindowMade) return static_cast<long>(link.parsed);
            }
            // CreateGC: its id, then the drawable it is for.
            if (opcode == 55 && window_ != 0 && word(2) == window_ && hold_at_ == Moment::FirstPaint)
                return static_cast<long>(at);
            continue;
        }
        if (left < 8) return -1;
        const uint32_t object = u32(b, at, false), word = u32(b, at + 4, false);
        const size_t size = word >> 16;
        const unsigned opcode = word & 0xFFFF;
        if (size < 8 || left < size) return -1;
        if (log) std::fprintf(stderr, "relay wayland %u.%u\n", object, opcode);
        if (hold_at_ == Moment::Connected) return static_cast<long>(at);
        const auto arg = [&](size_t i) { return u32(b, at + 8 + 4 * i, false); };
        link.parsed += size;
        if (object == 1 && opcode == 1) {
            link.registries.insert(arg(0));
        } else if (link.registries.count(object) && opcode == 0 && size >= 16) {
            // bind(name, interface, version, id): the interface a string.
            const size_t length = arg(1);
            if (size < 16 + padded(length) + 8 || length == 0) continue;
            const std::string interface(reinterpret_cast<const char*>(&b[at + 16]), length - 1);
            if (interface == "xdg_wm_base") link.wm_bases.insert(u32(b, at + 16 + padded(length) + 4, false));
        } else if (link.wm_bases.count(object) && opcode == 2) {
            link.xdg_surfaces.insert(arg(0));
        } else if (link.xdg_surfaces.count(object) && opcode == 1 && hold_at_ == Moment::WindowMade) {
            return static_cast<long>(link.parsed);
        }
    }
}

void DisplayRelay::from_program(Link& link) {
    Chunk chunk;
    if (!receive(link.program, chunk)) {
        shutdown(link.server, SHUT_WR);
        close(link.program);
        link.program = -1;
        return;
    }
    if (held_ && !passed_held_) {
        link.held.bytes.insert(link.held.bytes.end(), chunk.bytes.begin(), chunk.bytes.end());
        link.held.fds.insert(link.held.fds.end(), chunk.fds.begin(), chunk.fds.end());
        return;
    }
    long pass = static_cast<long>(chunk.bytes.size());
    if (!link.done && !held_) {
        const size_t before = link.seen.size();
        link.seen.insert(link.seen.end(), chunk.bytes.begin(), chunk.bytes.end());
        const long moment = find_moment(link);
        if (moment >= 0) {
            pass = moment - static_cast<long>(before);  // may be < 0: held from an earlier chunk
            link.done = true;
            std::lock_guard lock(mutex_);
            held_ = true;
            changed_.notify_all();
        }
        if (link.parsed > 65536) {
            link.seen.erase(link.seen.begin(), link.seen.begin() + static_cast<long>(link.parsed));
            link.parsed = 0;
        }
    }
    if (pass < 0) pass = 0;  // what was passed on already stays passed
    if (pass == 0) {
        link.held.fds.insert(link.held.fds.end(), chunk.fds.begin(), chunk.fds.end());
        chunk.fds.clear();
    }
    send_all(link.server, chunk.bytes.data(), static_cast<size_t>(pass), chunk.fds);
    if (pass < static_cast<long>(chunk.bytes.size()))
        link.held.bytes.insert(link.held.bytes.end(), chunk.bytes.begin() + pass, chunk.bytes.end());
}

void DisplayRelay::from_server(Link& link) {
    Chunk chunk;
    if (!receive(link.server, chunk) || !send_all(link.program, chunk.bytes.data(), chunk.bytes.size(), chunk.fds)) {
        // The server ended, or closed this connection: so does the program's.
        close(link.server);
        link.server = -1;
        if (link.program >= 0) close(link.program);
        link.program = -1;
    }
}

void DisplayRelay::run() {
    while (true) {
        std::vector<pollfd> fds{{wake_[0], POLLIN, 0}};
        std::vector<std::pair<Link*, bool>> owners{{nullptr, false}};
        {
            std::lock_guard lock(mutex_);
            if (stopping_) return;
            if (listener_ >= 0) {
                fds.push_back({listener_, POLLIN, 0});
                owners.push_back({nullptr, true});
            }
            if (released_ && !passed_held_) {
                for (auto& link : links_)
                    if (link->server >= 0)
                        send_all(link->server, link->held.bytes.data(), link->held.bytes.size(), link->held.fds);
                passed_held_ = true;
            }
            for (auto& link : links_) {
                // While holding, the program's connections are read still (to
                // see them close) but what they send is kept.
                if (link->program >= 0) {
                    fds.push_back({link->program, POLLIN, 0});
                    owners.push_back({link.get(), true});
                }
                if (link->server >= 0) {
                    fds.push_back({link->server, POLLIN, 0});
                    owners.push_back({link.get(), false});
                }
            }
        }
        if (poll(fds.data(), fds.size(), -1) < 0) continue;
        if (fds[0].revents) {
            char drain[64];
            if (read(wake_[0], drain, sizeof drain) < 0) {
            }
        }
        for (size_t i = 1; i < fds.size(); ++i) {
            if (!fds[i].revents) continue;
            auto [link, from_program_side] = owners[i];
            if (!link) {
                const int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
                if (fd >= 0) add_link(fd);
                continue;
            }
            if (from_program_side ? link->program < 0 : link->server < 0) continue;
            if (from_program_side) from_program(*link);
            else from_server(*link);
        }
    }
}

}  // namespace window_test
