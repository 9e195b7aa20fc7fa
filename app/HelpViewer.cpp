#include "app/HelpViewer.h"

#include "app/CloseKeys.h"
#include "app/HelpContents.h"
#include "app/PlaceWindow.h"
#include "app/Product.h"
#include "app/RunEventHandler.h"
#include "app/StartFile.h"
#include "varnel/settings/QStringConversion.h"

#include <utility>

#include <QAction>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidgetItemIterator>

namespace varnel {

namespace {

const QString help_scheme = QStringLiteral("chm");

void add_topics(const std::vector<HelpTopic>& topics, QTreeWidgetItem& parent) {
    // The sitemap is shallow (a few levels), so recursion over it is bounded.
    for (const HelpTopic& topic : topics) {
        auto* item = new QTreeWidgetItem(&parent, {topic.name});
        if (!topic.local.isEmpty()) {
            item->setData(0, Qt::UserRole, HelpViewer::topic_url(topic.local));
        }
        add_topics(topic.children, *item);
    }
}

QUrl without_fragment(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment);
}

} // namespace

HelpBrowser::HelpBrowser(const ChmFile& file) : file(file) {
    setObjectName(QStringLiteral("help_browser"));
    // Links are followed by the window: pages inside the help file here, the rest by the desktop.
    setOpenLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != help_scheme) {
        return QTextBrowser::loadResource(type, name);
    }
    const std::optional<QByteArray> data = file.read(name.path());
    return data ? QVariant(*data) : QVariant();
}

QUrl HelpViewer::topic_url(const QString& path) {
    QUrl url;
    url.setScheme(help_scheme);
    url.setPath(path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path);
    return url;
}

HelpViewer::HelpViewer(ChmFile help_file, QWidget& owner)
    : QMainWindow(&owner, Qt::Window), file(std::move(help_file)), browser(new HelpBrowser(file)),
      contents(new QTreeWidget), find_box(new QLineEdit) {
    setObjectName(QStringLiteral("help_viewer"));
    setWindowTitle(file.title().isEmpty() ? product_name() + QStringLiteral(" Help")
                                          : file.title());
    setWindowIcon(product_icon());
    place_when_first_shown(*this, QSize(960, 680));
    close_with_keys(*this);

    create_contents();
    create_tool_bar();
    auto* splitter = new QSplitter;
    splitter->addWidget(contents);
    splitter->addWidget(browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 670});
    setCentralWidget(splitter);

    connect(browser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { run_event_handler([&] { on_link(link); }); });
    connect(browser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& source) { run_event_handler([&] { on_source_changed(source); }); });

    QString start = file.default_topic();
    if (start.isEmpty() && contents->topLevelItemCount() > 0) {
        start = contents->topLevelItem(0)->data(0, Qt::UserRole).toUrl().path();
    }
    browser->setSource(topic_url(start));
    browser->setFocus();
}

void HelpViewer::create_contents() {
    contents->setObjectName(QStringLiteral("help_contents"));
    contents->setHeaderHidden(true);
    const std::optional<QByteArray> sitemap = file.read(file.contents_file());
    if (sitemap) {
        add_topics(parse_help_contents(QString::fromUtf8(*sitemap)),
                   *contents->invisibleRootItem());
    }
    contents->expandAll();
    connect(contents, &QTreeWidget::itemClicked, this, [this](const QTreeWidgetItem* item) {
        run_event_handler([&] { on_contents_item(item); });
    });
    connect(contents, &QTreeWidget::itemActivated, this, [this](const QTreeWidgetItem* item) {
        run_event_handler([&] { on_contents_item(item); });
    });
}

void HelpViewer::create_tool_bar() {
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("help_tool_bar"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("Back"), browser, &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("help_back"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction* forward = bar->addAction(QStringLiteral("Forward"), browser, &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("help_forward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addSeparator();

    find_box->setObjectName(QStringLiteral("help_find_box"));
    find_box->setPlaceholderText(QStringLiteral("Find in page"));
    find_box->setClearButtonEnabled(true);
    find_box->setMaximumWidth(260);
    bar->addWidget(find_box);
    connect(find_box, &QLineEdit::returnPressed, this,
            [this] { run_event_handler([this] { find(false); }); });
    QAction* previous = bar->addAction(QStringLiteral("Previous"), this,
                                       [this] { run_event_handler([this] { find(true); }); });
    previous->setShortcut(QKeySequence::FindPrevious);
    QAction* next = bar->addAction(QStringLiteral("Next"), this,
                                   [this] { run_event_handler([this] { find(false); }); });
    next->setShortcut(QKeySequence::FindNext);
    auto* focus_find = new QAction(this);
    focus_find->setShortcut(QKeySequence::Find);
    connect(focus_find, &QAction::triggered, this, [this] {
        find_box->setFocus();
        find_box->selectAll();
    });
    addAction(focus_find);
}

void HelpViewer::find(bool backward) {
    const QString text = find_box->text();
    if (text.isEmpty()) {
        return;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser->find(text, flags)) {
        statusBar()->clearMessage();
        return;
    }
    QTextCursor start = browser->textCursor();
    start.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser->setTextCursor(start);
    if (browser->find(text, flags)) {
        statusBar()->showMessage(QStringLiteral("Search went round the page"));
    } else {
        statusBar()->showMessage(QStringLiteral("Not found: ") + text);
    }
}

void HelpViewer::on_link(const QUrl& link) {
    const QUrl target = browser->source().resolved(link);
    if (target.scheme() == help_scheme) {
        browser->setSource(target);
    } else {
        start_shell_command(to_wstring(target.toString()));
    }
}

void HelpViewer::on_contents_item(const QTreeWidgetItem* item) {
    const QUrl topic = item->data(0, Qt::UserRole).toUrl();
    // A click can also activate the item: the page is opened once.
    if (!topic.isEmpty() && topic != browser->source()) {
        browser->setSource(topic);
    }
}

void HelpViewer::on_source_changed(const QUrl& source) {
    // The contents follow the page however it was reached: link, history or contents.
    const QUrl page = without_fragment(source);
    for (QTreeWidgetItemIterator item(contents); *item != nullptr; ++item) {
        if (without_fragment((*item)->data(0, Qt::UserRole).toUrl()) == page) {
            const QSignalBlocker quiet(contents);
            contents->setCurrentItem(*item);
            return;
        }
    }
}

} // namespace varnel
