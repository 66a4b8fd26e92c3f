#include "DrugDatabase.h"

#include "DrugFields.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QUrl>

#include <algorithm>

Q_LOGGING_CATEGORY(lcDrugs, "halvora.drugs")

namespace halvora::drugs {

namespace {

bool openReadOnly = false;
int connectionCount = 0;

// SQLite's primary result codes, without the extended detail.
enum SqliteCode { Error = 1, Perm = 3, Busy = 5, Locked = 6, ReadOnly = 8, IoErr = 10, Corrupt = 11, Full = 13,
                  CantOpen = 14, NotADb = 26 };

int primaryCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

QString columnList()
{
    QStringList columns{drugKey};
    for (const DrugField &field : drugFields())
        columns.append(field.column);
    return columns.join(QLatin1String(", "));
}

} // namespace

DrugDatabase::DrugDatabase(const QString &filePath, QObject *parent)
    : QObject(parent)
    , m_fileName(QFileInfo(filePath).fileName())
{
    m_state = open(filePath);
}

DrugDatabase::~DrugDatabase()
{
    delete m_model;
    if (m_connection.isEmpty())
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void DrugDatabase::setOpenReadOnly(bool on)
{
    openReadOnly = on;
}

DrugDatabase::State DrugDatabase::open(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        return State::Missing;
    // Writing needs the file and, for SQLite's journal, its folder.
    const bool readOnly = openReadOnly || !info.isWritable() || !QFileInfo(info.absolutePath()).isWritable();

    m_connection = QStringLiteral("halvora-drugs-%1").arg(++connectionCount);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    // As a URI with an explicit mode, SQLite never creates the file.
    db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded)
                       + (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw")));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=1500")
                         + (readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    if (!db.open()) {
        qCWarning(lcDrugs) << "cannot open" << filePath << db.lastError().text();
        return stateForError(primaryCode(db.lastError()));
    }

    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("SELECT %1 FROM %2 LIMIT 1").arg(columnList(), drugTable))) {
        qCWarning(lcDrugs) << "not a drug database:" << filePath << check.lastError().text();
        const State state = stateForError(primaryCode(check.lastError()));
        return state == State::CannotOpen || state == State::InUse ? state : State::NotDrugDatabase;
    }
    check.finish();

    m_model = new QSqlTableModel(this, db);
    m_model->setTable(drugTable);
    // Each edited record is written when the reader leaves it, and only that
    // record is read back, so the order stays as it was until the page reopens.
    m_model->setEditStrategy(QSqlTableModel::OnRowChange);
    m_model->setSort(m_model->fieldIndex(drugFields().front().column), Qt::AscendingOrder);
    if (!m_model->select()) {
        qCWarning(lcDrugs) << "cannot read the records:" << m_model->lastError().text();
        return stateForError(primaryCode(m_model->lastError()));
    }
    while (m_model->canFetchMore())
        m_model->fetchMore();
    if (m_model->rowCount() == 0)
        return State::Empty;
    const int key = m_model->fieldIndex(drugKey);
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_rowOfKey.insert(m_model->record(row).value(key).toLongLong(), row);
    return readOnly ? State::ReadOnly : State::Ready;
}

DrugDatabase::State DrugDatabase::stateForError(int code) const
{
    switch (code) {
    case Busy:
    case Locked:
        return State::InUse;
    case NotADb:
    case Corrupt:
    case Error:
        return State::NotDrugDatabase;
    default:
        return State::CannotOpen;
    }
}

QString DrugDatabase::problem() const
{
    switch (m_state) {
    case State::Ready:
        return {};
    case State::ReadOnly:
        return tr("The drug database %1 is read-only: changes to the records cannot be saved.").arg(m_fileName);
    case State::Missing:
        return tr("The drug database %1 is missing from the program folder.").arg(m_fileName);
    case State::CannotOpen:
        return tr("The drug database %1 cannot be opened: the file cannot be read.").arg(m_fileName);
    case State::NotDrugDatabase:
        return tr("The file %1 is damaged or is not the drug database.").arg(m_fileName);
    case State::InUse:
        return tr("The drug database %1 is in use by another program: close it and open this page again.").arg(m_fileName);
    case State::Empty:
        return tr("The drug database %1 holds no records.").arg(m_fileName);
    }
    return {};
}

int DrugDatabase::rowCount() const
{
    return m_model ? m_model->rowCount() : 0;
}

QList<NameHit> DrugDatabase::hits(const QString &name) const
{
    QList<NameHit> result;
    if (!m_model)
        return result;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const auto &f = drugFields();
    query.prepare(QStringLiteral("SELECT %1, %2, %3, %4 FROM %5 WHERE %2 = ? OR %3 = ? OR %4 = ?")
                      .arg(drugKey, f[0].column, f[1].column, f[2].column, drugTable));
    for (int i = 0; i < 3; ++i)
        query.addBindValue(name);
    if (!query.exec()) {
        qCWarning(lcDrugs) << "search failed:" << query.lastError().text();
        return result;
    }
    while (query.next()) {
        const auto row = m_rowOfKey.constFind(query.value(0).toLongLong());
        if (row == m_rowOfKey.cend())
            continue; // added by another program since the page opened
        result.append({*row, query.value(1).toString() == name, query.value(2).toString() == name,
                       query.value(3).toString() == name});
    }
    std::sort(result.begin(), result.end(), [](const NameHit &a, const NameHit &b) { return a.row < b.row; });
    return result;
}

bool DrugDatabase::save(int row, const QHash<int, QString> &changes, QString *error)
{
    if (!m_model || changes.isEmpty())
        return true;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        m_model->setData(m_model->index(row, it.key()), it.value());
    if (m_model->submitAll())
        return true;
    const QSqlError failure = m_model->lastError();
    qCWarning(lcDrugs) << "cannot save record" << row << failure.text();
    m_model->revertAll();
    if (error) {
        switch (primaryCode(failure)) {
        case Busy:
        case Locked:
            *error = tr("the database is in use by another program");
            break;
        case ReadOnly:
        case Perm:
            *error = tr("the database is read-only");
            break;
        case Full:
            *error = tr("the disk is full");
            break;
        case IoErr:
        case CantOpen:
            *error = tr("the database file cannot be written");
            break;
        default:
            *error = failure.databaseText().isEmpty() ? failure.text() : failure.databaseText();
            break;
        }
    }
    return false;
}

} // namespace halvora::drugs
