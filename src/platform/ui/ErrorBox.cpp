#include "platform/ui/ErrorBox.h"

#include "platform/data/DataSet.h"
#include "platform/data/Error.h"
#include "platform/ui/Msg.h"

namespace ui {

void reportException(std::exception_ptr e)
{
    if (!e)
        return;
    try {
        std::rethrow_exception(e);
    } catch (const data::Abort&) {
        // The handler has told the user already.
    } catch (const data::Error& err) {
        Msg::error(err.message());
    } catch (const std::exception& err) {
        Msg::error(QString::fromLocal8Bit(err.what()));
    } catch (...) {
        Msg::error(QStringLiteral("程序出现未知错误。"));
    }
}

bool guarded(const std::function<void()>& code)
{
    try {
        code();
        return true;
    } catch (...) {
        reportException(std::current_exception());
        return false;
    }
}

}  // namespace ui
