#pragma once
// The program as it stands after a login, for window tests: the data module on
// a fresh database, the frame, and a login window holding the rights level.
// Message boxes are scripted (see ui::Msg) and every window is registered with
// the frame's openers.

#include "session/DMRegion.h"
#include "support/Screenshots.h"

#include <QString>
#include <functional>

class QWidget;

namespace testsupport {

class AppFixture {
public:
    // `seed` runs on the new database before the data module opens it.
    explicit AppFixture(const QString& popedom = QStringLiteral("0"),
                        const std::function<void(data::Connection&)>& seed = {});
    ~AppFixture();
    AppFixture(const AppFixture&) = delete;
    AppFixture& operator=(const AppFixture&) = delete;

    data::Connection& db() { return *DM->connection(); }
    void setLevel(const QString& popedom);
    // Re-reads every open table dataset of the data module.
    void requeryAll();
};

}  // namespace testsupport

class QLineEdit;
namespace testsupport {
// Types into an edit as the user would, replacing its text (empty text: the
// user selects all and deletes).
void typeInto(QLineEdit* edit, const QString& text);
}  // namespace testsupport
