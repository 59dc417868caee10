#pragma once

#include <QtGlobal>

namespace ui {
class Window;
}

namespace records {

class DetailFormController;

// What every detail form takes from the main form: the key of the business to show.
// The key stays with the form when it is closed, and the next showing loads it.
class BusinessHandOver
{
public:
    // Shows the form for a business. A form that is loaded already follows the new key
    // at once when nothing is pending, else once its edit or added row is stored or
    // cancelled. Throws db::DbError when a load fails.
    void showForBusiness(qint64 businessInformationId);
    // The key last handed over.
    qint64 businessInformationId() const;

protected:
    BusinessHandOver(ui::Window &form, DetailFormController &controller);
    ~BusinessHandOver() = default;

private:
    ui::Window &m_form;
    DetailFormController &m_controller;
};

} // namespace records
