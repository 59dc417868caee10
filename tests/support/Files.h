#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace testing_support {

// Makes the file at `path` hold `bytes` and nothing else, failing the test when it
// cannot; returns the path.
inline QString writeFile(const QString &path, const QByteArray &bytes = {})
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
    return path;
}

} // namespace testing_support
