#pragma once

#include <cstdio>
#include <string>

namespace db {
class Statement;
}

// Writes result rows as tab-separated lines: a Null as \N, and inside values a tab,
// CR, LF and backslash as \t, \r, \n and \\, so every row stays on one line.
class TableWriter
{
public:
    explicit TableWriter(std::FILE *out);
    ~TableWriter();

    void writeHeader(const db::Statement &statement);
    void writeRow(const db::Statement &statement);
    // False when the output could not be written (a full disk, a closed pipe).
    bool finish();

private:
    void appendEscaped(const char *text, int length);
    void flushIfFull();

    std::FILE *m_out;
    std::string m_buffer;
    bool m_failed = false;
};
