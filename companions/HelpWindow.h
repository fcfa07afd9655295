#pragma once

#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QTabWidget;
class QTextBrowser;

namespace vt {

// The help window: contents, index and full-text search beside the page.
// Without a usable help file it explains that, and every request still works.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    enum class Tab { Contents, Index, Search };

    // helpFile is a host path; the engine's collection lives in the cache folder.
    explicit HelpWindow(const QString& helpFile);
    ~HelpWindow() override;

    bool hasHelp() const { return !m_namespace.isEmpty(); }
    QHelpEngine& engine() const { return *m_engine; }
    QUrl page() const;

    void showContentsPage();
    // The topic whose keyword carries this context number; the contents page
    // when there is none.
    void showContext(int contextId);
    void showTab(Tab tab);
    void present();

private:
    void openHelpFile(const QString& helpFile);
    QWidget* makeContentsTab();
    QWidget* makeIndexTab();
    QWidget* makeSearchTab();
    QWidget* makePagePane();
    void showPage(const QUrl& url);
    void selectInContents(const QUrl& url);
    void showMissing(const QString& helpFile);

    QHelpEngine* m_engine = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTextBrowser* m_browser = nullptr;
    QString m_namespace; // empty when the help file could not be registered
};

} // namespace vt
