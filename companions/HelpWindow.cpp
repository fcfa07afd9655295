#include "companions/HelpWindow.h"

#include "common/QtText.h"
#include "companions/HelpTexts.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vt {
namespace {

// Pages, pictures and the style sheet come out of the help file.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == QLatin1String("qthelp"))
            return m_engine.fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine& m_engine;
};

// The engine's own bookkeeping: a cache, rebuilt whenever it is missing.
QString collectionFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder + QStringLiteral("/vtutil-help.qhc");
}

} // namespace

HelpWindow::HelpWindow(const QString& helpFile) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(toQString(texts::HelpWindowTitle));
    m_engine = new QHelpEngine(collectionFile(), this);
    openHelpFile(helpFile);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("helpTabs"));
    m_tabs->addTab(makeContentsTab(), toQString(texts::HelpContentsTab));
    m_tabs->addTab(makeIndexTab(), toQString(texts::HelpIndexTab));
    m_tabs->addTab(makeSearchTab(), toQString(texts::HelpSearchTab));

    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(makePagePane());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 600});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(900, 640);

    if (!hasHelp())
        showMissing(helpFile);
}

HelpWindow::~HelpWindow() = default;

QUrl HelpWindow::page() const {
    return m_browser->source();
}

void HelpWindow::openHelpFile(const QString& helpFile) {
    // Qt 6 opens the collection read-only unless told otherwise.
    m_engine->setReadOnly(false);
    m_engine->setUsesFilterEngine(true);
    if (!m_engine->setupData())
        return;
    // The collection only ever holds our one help file; a rebuilt or moved
    // file keeps its namespace, so register it afresh each time.
    for (const QString& old : m_engine->registeredDocumentations())
        m_engine->unregisterDocumentation(old);
    const QString ns = QHelpEngineCore::namespaceName(helpFile);
    if (ns.isEmpty() || !m_engine->registerDocumentation(helpFile))
        return;
    m_namespace = ns;
    m_engine->setupData();
    m_engine->searchEngine()->reindexDocumentation();
}

QWidget* HelpWindow::makeContentsTab() {
    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    // The contents are read in the background; show them whole once they are.
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandAll();
        selectInContents(page());
    });
    return contents;
}

QWidget* HelpWindow::makeIndexTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("helpIndex"));
    auto* lookFor = new QLabel(toQString(texts::HelpLookFor));
    auto* filter = new QLineEdit;
    filter->setObjectName(QStringLiteral("helpIndexFilter"));
    lookFor->setBuddy(filter);
    QHelpIndexWidget* index = m_engine->indexWidget();
    connect(filter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document) { showPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents) { showPage(documents.first().url); });

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(lookFor);
    layout->addWidget(filter);
    layout->addWidget(index);
    return tab;
}

QWidget* HelpWindow::makeSearchTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("helpSearch"));
    QHelpSearchEngine* search = m_engine->searchEngine();
    QHelpSearchQueryWidget* query = search->queryWidget();
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
            &HelpWindow::showPage);

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(query);
    layout->addWidget(search->resultWidget(), 1);
    return tab;
}

QWidget* HelpWindow::makePagePane() {
    auto* pane = new QWidget;
    m_browser = new HelpBrowser(*m_engine, pane);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    auto* back = new QPushButton(toQString(texts::HelpBack));
    auto* forward = new QPushButton(toQString(texts::HelpForward));
    auto* home = new QPushButton(toQString(texts::HelpHome));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(home, &QPushButton::clicked, this, &HelpWindow::showContentsPage);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);
    return pane;
}

void HelpWindow::showContentsPage() {
    if (!hasHelp())
        return;
    const QList<QUrl> pages = m_engine->files(m_namespace, QString(), QStringLiteral("html"));
    for (const QUrl& url : pages) {
        if (url.fileName() == toQString(texts::HelpContentsPage)) {
            showPage(url);
            return;
        }
    }
}

void HelpWindow::showContext(int contextId) {
    const QList<QHelpLink> topics = m_engine->documentsForIdentifier(QString::number(contextId));
    if (topics.isEmpty())
        showContentsPage();
    else
        showPage(topics.first().url);
}

void HelpWindow::showTab(Tab tab) {
    m_tabs->setCurrentIndex(static_cast<int>(tab));
    if (tab == Tab::Search)
        m_engine->searchEngine()->queryWidget()->setFocus();
}

void HelpWindow::present() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void HelpWindow::showPage(const QUrl& url) {
    m_browser->setSource(url);
    selectInContents(url);
}

void HelpWindow::selectInContents(const QUrl& url) {
    QHelpContentWidget* contents = m_engine->contentWidget();
    const QModelIndex item = contents->indexOf(url);
    if (item.isValid())
        contents->setCurrentIndex(item);
}

void HelpWindow::showMissing(const QString& helpFile) {
    m_browser->setHtml(toQString(texts::HelpMissing).arg(helpFile.toHtmlEscaped()));
}

} // namespace vt
