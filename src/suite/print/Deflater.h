#pragma once

#include <QByteArray>

#include <memory>

namespace suite {

// zlib compression of one buffer after another with the same stream state, which is reset
// rather than made anew for each: a report deflates thousands of small page contents.
class Deflater
{
public:
    explicit Deflater(int level);
    ~Deflater();
    Deflater(const Deflater &) = delete;
    Deflater &operator=(const Deflater &) = delete;

    // data deflated (zlib format) into out; false when zlib fails.
    bool deflate(const char *data, qsizetype size, QByteArray &out);

private:
    struct Stream;
    std::unique_ptr<Stream> m_stream;
};

} // namespace suite
