#pragma once

namespace ui {
class Window;
}

namespace records {

class DetailFormController;

// Shows a detail form for a business. A form that is loaded already follows the new
// key at once when nothing is pending, else once its edit or added row is stored or
// cancelled. Throws db::DbError when a load fails.
void showForBusiness(ui::Window &form, DetailFormController &controller, int businessInformationId);

} // namespace records
