#include "EncyclopediaPages.h"

#include "Controls.h"
#include "Encyclopedia.h"
#include "PageNavigator.h"
#include "PageWindow.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>

#include <memory>

Q_LOGGING_CATEGORY(lcEncyclopedias, "halvora.encyclopedias")

namespace halvora::encyclopedias {

namespace {

// Shows a topic: the title labels first, then the whole article in one assignment.
void showTopic(PageWindow &page, const Encyclopedia &encyclopedia, const TopicArticle &topic)
{
    for (const QString &name : encyclopedia.titleLabels()) {
        if (auto *label = page.control<QLabel>(name))
            label->setText(topic.title);
    }
    if (auto *box = page.control<TextBox>(encyclopedia.box()))
        box->setText(encyclopedia.compose(topic));
}

void install(PageWindow &page, const PageNavigator &navigator, const std::shared_ptr<const Encyclopedia> &table)
{
    const Encyclopedia &encyclopedia = *table;
    auto *box = page.control<TextBox>(encyclopedia.box());
    if (!box) {
        page.addDiagnostic(QStringLiteral("no article box %1").arg(encyclopedia.box()));
        return;
    }
    // Typing into the box is allowed and kept nowhere; only a box that
    // follows a button in the tab order is reached with Tab.
    box->setFocusPolicy(encyclopedia.boxTabAfter().isEmpty() ? Qt::ClickFocus : Qt::StrongFocus);

    QList<QWidget *> tabOrder;
    const QList<TopicArticle> &topics = encyclopedia.topics();
    for (int i = 0; i < topics.size(); ++i) {
        auto *button = qobject_cast<QPushButton *>(navigator.builder().addControl(page, encyclopedia.buttonDesign(i)));
        if (!button)
            continue;
        button->show();
        const QString name = topics.at(i).button;
        QObject::connect(button, &QPushButton::clicked, &page, [&page, table, name] {
            if (const TopicArticle *topic = table->topic(name))
                showTopic(page, *table, *topic);
        });
        tabOrder.append(button);
        if (name == encyclopedia.boxTabAfter())
            tabOrder.append(box);
    }
    for (int i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    if (const TopicArticle *first = encyclopedia.topic(encyclopedia.shownAtLoad()))
        showTopic(page, encyclopedia, *first);
}

} // namespace

void registerPages(PageNavigator &navigator)
{
    for (const QString &resource : Encyclopedia::resources()) {
        QString error;
        auto encyclopedia = Encyclopedia::load(resource, &error);
        if (!encyclopedia) {
            qCWarning(lcEncyclopedias) << error;
            continue;
        }
        auto shared = std::make_shared<const Encyclopedia>(std::move(*encyclopedia));
        navigator.addBehaviour(shared->pageId(), [&navigator, shared](PageWindow &page) {
            install(page, navigator, shared);
        });
    }
}

} // namespace halvora::encyclopedias
