#include "DrugBrowser.h"

#include "DrugDatabase.h"
#include "DrugFields.h"
#include "DrugSearch.h"
#include "MessageBox.h"
#include "PageWindow.h"

#include <QDataWidgetMapper>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlTableModel>

#include <functional>

namespace halvora::drugs {

namespace {

// What a bound box holds now: its user property, the one the mapper fills.
QString boxText(QWidget *box)
{
    const QMetaProperty property = box->metaObject()->userProperty();
    return property.isValid() ? property.read(box).toString() : QString();
}

void setReadOnly(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setReadOnly(true);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(box))
        text->setReadOnly(true);
}

} // namespace

DrugBrowser::DrugBrowser(PageWindow &page, const QString &databasePath)
    : QObject(&page)
    , m_page(page)
    , m_database(new DrugDatabase(databasePath, this))
{
    bindBoxes();
    connectNavigation();
    connectList();
    showProblem();
    // Edits are written back when the page closes; not when the program ends.
    connect(&m_page, &PageWindow::closing, this, &DrugBrowser::saveEdits);
}

void DrugBrowser::bindBoxes()
{
    if (m_database->hasRecords()) {
        m_mapper = new QDataWidgetMapper(this);
        m_mapper->setModel(m_database->model());
        // The page decides when a record is written: on leaving it or on closing.
        m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    }
    for (const DrugField &field : drugFields()) {
        QWidget *box = m_page.control(field.box);
        if (!box)
            continue;
        if (m_mapper)
            m_mapper->addMapping(box, m_database->model()->fieldIndex(field.column));
        // Boxes whose edits could go nowhere do not take any.
        if (!m_database->canSave())
            setReadOnly(box);
    }
    if (m_mapper)
        m_mapper->toFirst();
}

void DrugBrowser::connectNavigation()
{
    const struct {
        const char *name;
        std::function<int(int current, int last)> target;
    } arrows[] = {
        {"cmdFirst", [](int, int) { return 0; }},
        {"cmdPrevious", [](int current, int) { return qMax(current - 1, 0); }},
        {"cmdNext", [](int current, int last) { return qMin(current + 1, last); }},
        {"cmdLast", [](int, int last) { return last; }},
    };
    for (const auto &arrow : arrows) {
        auto *button = m_page.control<QPushButton>(QLatin1String(arrow.name));
        if (!button)
            continue;
        button->setEnabled(m_database->hasRecords());
        connect(button, &QPushButton::clicked, this, [this, target = arrow.target] {
            moveTo(target(currentRow(), m_database->rowCount() - 1));
        });
    }
}

void DrugBrowser::connectList()
{
    m_list = m_page.control<QListWidget>(QStringLiteral("lstChemicals"));
    if (auto *goTo = m_page.control<QPushButton>(QStringLiteral("cmdGoTo")))
        connect(goTo, &QPushButton::clicked, this, &DrugBrowser::findDrug);
    if (!m_list)
        return;
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // A new entry chosen by mouse or keyboard searches at once; a click on the
    // entry that is already chosen searches again, as after moving away with
    // the arrows the reader expects to come back to it.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &DrugBrowser::chooseSelected);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (m_list->row(item) == m_selectedAtPress)
            chooseSelected();
    });
    // Kept, so the filter never asks a list that is being destroyed for its viewport.
    m_listViewport = m_list->viewport();
    m_listViewport->installEventFilter(this);
}

bool DrugBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && m_list && watched == m_listViewport) {
        const auto selected = m_list->selectedItems();
        m_selectedAtPress = selected.isEmpty() ? -1 : m_list->row(selected.first());
    }
    return QObject::eventFilter(watched, event);
}

void DrugBrowser::showProblem()
{
    auto *status = m_page.control<QLabel>(QStringLiteral("lblStatus"));
    const QString problem = m_database->problem();
    if (!status || problem.isEmpty())
        return;
    status->setText(problem);
    status->show();
}

int DrugBrowser::currentRow() const
{
    return m_mapper ? m_mapper->currentIndex() : -1;
}

void DrugBrowser::moveTo(int row)
{
    if (!m_mapper)
        return;
    saveEdits();
    if (row != currentRow())
        m_mapper->setCurrentIndex(row);
}

// The list's entries lead to the search through the hidden GoTo button, so a
// choice runs exactly what that button runs.
void DrugBrowser::chooseSelected()
{
    auto *goTo = m_page.control<QPushButton>(QStringLiteral("cmdGoTo"));
    if (!goTo || m_list->selectedItems().isEmpty())
        return;
    goTo->setEnabled(true);
    goTo->click();
}

void DrugBrowser::findDrug()
{
    if (!m_list)
        return;
    auto *select = m_page.control<QLabel>(QStringLiteral("lblSelect"));
    for (int i = 0; i < m_list->count(); ++i) {
        if (!m_list->item(i)->isSelected())
            continue;
        QString name = m_list->item(i)->text();
        if (select) {
            select->setText(name);
            name = select->text();
        }
        name = name.trimmed();
        if (!m_mapper)
            continue;
        saveEdits();
        moveTo(drugs::findDrug(m_database->hits(name), currentRow()));
    }
}

void DrugBrowser::saveEdits()
{
    const int row = currentRow();
    if (row < 0 || !m_database->canSave())
        return;
    QSqlTableModel *model = m_database->model();
    QHash<int, QString> changes;
    for (int section = 0; section < model->columnCount(); ++section) {
        QWidget *box = m_mapper->mappedWidgetAt(section);
        if (!box)
            continue;
        const QString text = boxText(box);
        if (text != model->index(row, section).data().toString())
            changes.insert(section, text);
    }
    if (changes.isEmpty())
        return;
    const QString stored = model->index(row, model->fieldIndex(drugFields().front().column)).data().toString();
    QString error;
    if (!m_database->save(row, changes, &error)) {
        MessageBox::show(&m_page, tr("The change to the record \"%1\" could not be saved: %2.").arg(stored, error));
        m_mapper->revert();
    }
}

} // namespace halvora::drugs
