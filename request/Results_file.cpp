#include "Results_file.h"

std::string Results_file_contents(const std::string& text)
{
    std::string contents;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        contents.append(text, begin, end - begin).append("\r\n");
        begin = end + 1;
    }
    return contents;
}
