#include "Fd_input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <ios>
#include <system_error>

Fd_input::Fd_input(int fd, int wake) : Fd(fd), Wake(wake) {}

Fd_input::int_type Fd_input::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    for (;;) {
        // Without a wake-up descriptor the read itself waits.
        if (Wake >= 0) {
            pollfd watched[2] = {{Fd, POLLIN, 0}, {Wake, POLLIN, 0}};
            const int ready = poll(watched, 2, -1);
            if (ready < 0 && errno == EINTR)
                continue;
            // A descriptor that poll refuses is left for read to report.
            if (ready > 0 && (watched[1].revents & POLLIN) != 0)
                return traits_type::eof();
        }
        const ssize_t got = read(Fd, Buffer.data(), Buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw std::ios_base::failure("read", std::error_code(errno, std::system_category()));
        if (got == 0)
            return traits_type::eof();
        setg(Buffer.data(), Buffer.data(), Buffer.data() + got);
        return traits_type::to_int_type(*gptr());
    }
}
