#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// A record for a fixture database: three names and a side-effects text that
// the tests use to tell the records apart.
struct FixtureDrug {
    QString name1;
    QVariant name2;
    QVariant name3;
    QString sideEffects;
};

// Builds a drug database file with the program's own table and the given records.
bool writeDrugDatabase(const QString &path, const QList<FixtureDrug> &drugs);

// Runs one statement against a database file, with its own connection.
QVariant queryValue(const QString &path, const QString &sql, const QVariantList &values = {});
