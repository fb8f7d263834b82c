#include "suite/print/Deflater.h"

#include <zlib.h>

namespace suite {

struct Deflater::Stream
{
    z_stream zlib{};
    bool ready = false;
};

Deflater::Deflater(int level)
    : m_stream(std::make_unique<Stream>())
{
    m_stream->ready = deflateInit(&m_stream->zlib, level) == Z_OK;
}

Deflater::~Deflater()
{
    if (m_stream->ready)
        deflateEnd(&m_stream->zlib);
}

bool Deflater::deflate(const char *data, qsizetype size, QByteArray &out)
{
    z_stream &zlib = m_stream->zlib;
    if (!m_stream->ready || deflateReset(&zlib) != Z_OK)
        return false;
    out.resize(qsizetype(deflateBound(&zlib, uLong(size))));
    zlib.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    zlib.avail_in = uInt(size);
    zlib.next_out = reinterpret_cast<Bytef *>(out.data());
    zlib.avail_out = uInt(out.size());
    if (::deflate(&zlib, Z_FINISH) != Z_STREAM_END)
        return false;
    out.resize(qsizetype(zlib.total_out));
    return true;
}

} // namespace suite
