#pragma once

#include "platform/base/RuntimeError.h"
#include "platform/settings/SettingsStore.h"

#include <QMap>
#include <QStringList>

namespace zavolin::test {

// A settings store in memory that records every write.
class FakeSettingsStore : public SettingsStore {
public:
    QString text(const QString& key, const QString& defaultText) override {
        if (key == failingKey)
            raise(ErrNo::PathFileAccessError, QStringLiteral("%1 cannot be read").arg(key));
        return values.value(key, defaultText);
    }
    void setText(const QString& key, const QString& value) override {
        values.insert(key, value);
        writes << key + QLatin1Char('=') + value;
    }

    QString unreadable() override { return problem; }

    QMap<QString, QString> values;
    // What unreadable() says: empty for a store that can be read.
    QString problem;
    QStringList writes;
    // A key whose reading fails, as a store on a vanished disk would.
    QString failingKey;
};

} // namespace zavolin::test
