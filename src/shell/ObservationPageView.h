#pragma once

#include "Binders.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QListView;
class QSpinBox;

namespace selen {
class EditorSession;
}

namespace selen::shell {

// The observation page: the event, object, method and condition fields,
// the colour legend and the observation list with its commands, bound to
// the session's observation page and list.
class ObservationPageView final : public QWidget {
public:
    ObservationPageView(EditorSession& session, const Refusal& refuse, std::function<void()> openImport,
                        QWidget* parent = nullptr);

    QListView* list() const { return list_; }
    // Gives the focus back to the field that last had it.
    void focusReturnField();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* eventGroup();
    QWidget* objectGroup();
    QWidget* methodGroup();
    QWidget* conditionsGroup();
    QWidget* siteGroup();
    QWidget* commentGroup();
    QWidget* listGroup();
    QWidget* legend();
    void followState();
    void remember(QWidget* field);
    // The page's key rule for the field of that form name.
    KeyRule fieldRule(const std::string& formName);
    // Puts the focus in the year field of the selected record.
    void focusYear();

    EditorSession& session_;
    Refusal refuse_;
    std::function<void()> openImport_;
    QListView* list_ = nullptr;
    QLabel* catalogueLabel_ = nullptr;
    QSpinBox* stepper_ = nullptr;
    QCheckBox* bySite_ = nullptr;
};

}  // namespace selen::shell
