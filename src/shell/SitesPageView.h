#pragma once

#include "Binders.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace selen {
class EditorSession;
}

namespace selen::shell {

// The sites, telescopes and observers page: the site group with the route
// tool exchange, the telescope and observer groups, and the two line lists
// with their commands, bound to the session's sites page.
class SitesPageView final : public QWidget {
public:
    SitesPageView(EditorSession& session, const Refusal& refuse, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* siteGroup();
    QWidget* telescopeGroup();
    QWidget* observerGroup();
    QWidget* listGroup(bool sites);
    KeyRule rule(const std::string& formName);
    void followLists();
    void followLabels();

    EditorSession& session_;
    Refusal refuse_;
    QPushButton* longitudeLabel_ = nullptr;
    QPushButton* latitudeLabel_ = nullptr;
    QListWidget* siteList_ = nullptr;
    QListWidget* observerList_ = nullptr;
};

}  // namespace selen::shell
