#include "DrugFixture.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <utility>

namespace {

// Runs `work` on a connection of its own, closed and removed afterwards.
template<typename Work>
auto withConnection(const QString &path, Work work)
{
    const QString name = QUuid::createUuid().toString();
    decltype(work(std::declval<QSqlDatabase &>())) result{};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open())
            result = work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

bool writeDrugDatabase(const QString &path, const QList<FixtureDrug> &drugs)
{
    QFile::remove(path);
    QFile schema(QStringLiteral(HALVORA_DRUG_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly))
        return false;
    const QString createTable = QString::fromUtf8(schema.readAll());
    return withConnection(path, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        if (!query.exec(createTable)) {
            qWarning() << query.lastError().text();
            return false;
        }
        query.prepare(QStringLiteral("INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, SideEffects) VALUES (?, ?, ?, ?)"));
        for (const FixtureDrug &drug : drugs) {
            query.addBindValue(drug.name1);
            query.addBindValue(drug.name2);
            query.addBindValue(drug.name3);
            query.addBindValue(drug.sideEffects);
            if (!query.exec()) {
                qWarning() << query.lastError().text();
                return false;
            }
        }
        return true;
    });
}

QVariant queryValue(const QString &path, const QString &sql, const QVariantList &values)
{
    return withConnection(path, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec()) {
            qWarning() << query.lastError().text();
            return QVariant();
        }
        return query.next() ? query.value(0) : QVariant();
    });
}
