// A stream buffer reading a file descriptor in large reads, that a stop
// request can end: while it waits for input it also watches a wake-up
// descriptor (when it has one), and once that is readable it reports the end
// of the input, so that a table run waiting on a pipe stops after the rows in
// hand. A read error raises std::ios_base::failure with the system's error
// code.
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

class Fd_input : public std::streambuf {
public:
    // wake: the read end of the wake-up pipe, or -1 for none. Neither
    // descriptor is closed here.
    Fd_input(int fd, int wake);

protected:
    int_type underflow() override;

private:
    int Fd;
    int Wake;
    std::array<char, std::size_t{64} * 1024> Buffer{};
};
