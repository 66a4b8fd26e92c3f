#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QDataWidgetMapper;
class QListWidget;

namespace halvora {
class PageWindow;
}

namespace halvora::drugs {

class DrugDatabase;

// The behaviour of the drug database page: the boxes bound to the current
// record, the four arrows of the navigation bar, the list of chemicals that
// positions the page on a record, and the write-back of what the reader typed
// when the page leaves a record or closes.
class DrugBrowser : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrugBrowser)
public:
    DrugBrowser(PageWindow &page, const QString &databasePath);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindBoxes();
    void connectNavigation();
    void connectList();
    void showProblem();

    int currentRow() const;
    void moveTo(int row);
    // The search behind the list, for its selected entry.
    void findDrug();
    void chooseSelected();
    // Writes the current record's edited boxes back; tells the reader when it cannot.
    void saveEdits();

    PageWindow &m_page;
    DrugDatabase *m_database = nullptr;
    QDataWidgetMapper *m_mapper = nullptr;
    QListWidget *m_list = nullptr;
    QPointer<QWidget> m_listViewport;
    int m_selectedAtPress = -1;
};

} // namespace halvora::drugs
