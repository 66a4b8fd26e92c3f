#pragma once

#include "DrugSearch.h"

#include <QHash>
#include <QObject>
#include <QString>

class QSqlTableModel;

namespace halvora::drugs {

// The drug table of one open page: its own connection to the database file,
// the records in DrugName1 order as a table model, the name search and the
// write-back of edits. The file is opened for shared use, never created, and
// opened read-only when it cannot be written, so a bad file is never touched.
class DrugDatabase : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrugDatabase)
public:
    enum class State {
        Ready,
        ReadOnly,        // records shown, edits cannot be saved
        Missing,
        CannotOpen,
        NotDrugDatabase, // damaged, not SQLite, or without the drug table
        InUse,           // locked by another program
        Empty,
    };

    DrugDatabase(const QString &filePath, QObject *parent);
    ~DrugDatabase() override;

    State state() const { return m_state; }
    bool hasRecords() const { return m_state == State::Ready || m_state == State::ReadOnly; }
    bool canSave() const { return m_state == State::Ready; }
    // One sentence for the reader on what is wrong; empty when all is well.
    QString problem() const;

    // The records in DrugName1 order; null unless hasRecords().
    QSqlTableModel *model() const { return m_model; }
    int rowCount() const;

    // Every record whose names include `name`, compared as exact text.
    QList<NameHit> hits(const QString &name) const;

    // Writes the changed fields (column index to new text) of a record.
    // On failure nothing is written and `error` says why, in a few words.
    bool save(int row, const QHash<int, QString> &changes, QString *error);

    // Tests run as root, which file permissions do not bind: this opens the
    // file read-only as if the folder or file could not be written.
    static void setOpenReadOnly(bool on);

private:
    State open(const QString &filePath);
    State stateForError(int code) const;

    QString m_connection;
    QString m_fileName;
    QSqlTableModel *m_model = nullptr;
    QHash<qint64, int> m_rowOfKey;
    State m_state = State::Missing;
};

} // namespace halvora::drugs
