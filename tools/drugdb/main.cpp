// halvora-drugdb OUTPUT SQL...
// Builds the drug database the program ships from its reviewable SQL source:
// runs every statement of the SQL files, in order, into a fresh SQLite file and
// only then puts it in place of OUTPUT, so a failed build leaves no half-made file.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

const QString connectionName = QStringLiteral("drugdb");

void fail(const QString &text)
{
    std::fprintf(stderr, "halvora-drugdb: %s\n", qPrintable(text));
}

// SQLite reports a statement cut short as incomplete input, or as an
// unrecognised token when the cut falls inside a quoted text.
bool isIncomplete(const QSqlError &error)
{
    const QString text = error.databaseText();
    return text.contains(QLatin1String("incomplete input")) || text.startsWith(QLatin1String("unrecognized token"));
}

// Lines are gathered until they form one statement that SQLite itself accepts;
// only a line ending in a semicolon can close a statement.
bool runFile(const QString &path, QSqlDatabase &db)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QString statement;
    int lineNumber = 0;
    int firstLine = 0;
    QSqlError lastError;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        const QString trimmed = line.trimmed();
        if (statement.isEmpty() && (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--"))))
            continue;
        if (statement.isEmpty())
            firstLine = lineNumber;
        statement += line + QLatin1Char('\n');
        if (!trimmed.endsWith(QLatin1Char(';')))
            continue;
        QSqlQuery query(db);
        if (query.exec(statement)) {
            statement.clear();
            continue;
        }
        lastError = query.lastError();
        if (!isIncomplete(lastError)) {
            fail(QStringLiteral("%1:%2: %3").arg(path).arg(firstLine).arg(lastError.text()));
            return false;
        }
    }
    if (!statement.trimmed().isEmpty()) {
        fail(QStringLiteral("%1:%2: statement does not end: %3").arg(path).arg(firstLine).arg(lastError.text()));
        return false;
    }
    return true;
}

bool build(const QString &target, const QStringList &sources)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(target);
    if (!db.open()) {
        fail(QStringLiteral("cannot create %1: %2").arg(target, db.lastError().text()));
        return false;
    }
    bool ok = db.transaction();
    for (const QString &source : sources) {
        if (!ok)
            break;
        ok = runFile(source, db);
    }
    if (ok && !db.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(target, db.lastError().text()));
        ok = false;
    }
    if (!ok)
        db.rollback();
    db.close();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fputs("usage: halvora-drugdb OUTPUT SQL...\n", stderr);
        return 2;
    }
    const QString output = QFileInfo(args.first()).absoluteFilePath();
    const QString scratch = output + QStringLiteral(".new");
    QFile::remove(scratch);

    const bool ok = build(scratch, args.mid(1));
    QSqlDatabase::removeDatabase(connectionName);
    if (!ok) {
        QFile::remove(scratch);
        return 1;
    }
    QFile::remove(output);
    if (!QFile::rename(scratch, output)) {
        fail(QStringLiteral("cannot put %1 in place").arg(output));
        return 1;
    }
    return 0;
}
