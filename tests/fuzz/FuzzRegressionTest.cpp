// Every fuzz target's seeds and every input kept after a fault was mended, run through the
// target's own body: an input that crashes, leaks or breaks a check fails this test.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zavolin::fuzz {
namespace {

TEST(FuzzRegression, SeedsAndKeptInputsRunClean) {
    prepare();
    int inputs = 0;
    for (const FuzzTarget& target : fuzzTargets()) {
        for (const char* kind : {"corpus", "regressions"}) {
            const QDir folder(QStringLiteral(ZAVOLIN_FUZZ_DIR "/%1/%2")
                                  .arg(QLatin1String(kind), QLatin1String(target.name)));
            for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
                QFile file(folder.filePath(name));
                ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
                const QByteArray bytes = file.readAll();
                SCOPED_TRACE(file.fileName().toStdString());
                EXPECT_EQ(target.run(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                     size_t(bytes.size())),
                          0);
                ++inputs;
            }
        }
    }
    EXPECT_GT(inputs, 0);
}

} // namespace
} // namespace zavolin::fuzz
