#pragma once

#include "SheetStream.h"

#include <QByteArrayView>
#include <string>

namespace zyn::SheetPipe {

// The child's end of the pipe: the outcome first, then for a sheet that was
// read its non-empty cells, then finish(). Writes are buffered.
class SheetWriter {
public:
    explicit SheetWriter(int fd) : m_fd(fd) {}

    void begin(Sheet::Outcome outcome, QByteArrayView detail = {});
    void integer(int row, int column, qint32 value);
    void number(int row, int column, double value);
    void text(int row, int column, QByteArrayView utf8);
    // A time or date as "HH:MM:SS" or "YYYY-MM-DD HH:MM:SS", which the
    // reader could give only to the whole second (the workbook learns so);
    // the hours lose their leading zero on the way, as other workbook
    // formats give them.
    void clockText(int row, int column, QByteArrayView utf8);
    // Ends the sheet; false when the pipe would not take it.
    bool finish();

private:
    template<typename T> void put(T value);
    void putBytes(QByteArrayView bytes);
    void cell(Tag tag, int row, int column);
    bool flush();

    int m_fd;
    std::string m_buffer;
    bool m_ok = true;
};

} // namespace zyn::SheetPipe
