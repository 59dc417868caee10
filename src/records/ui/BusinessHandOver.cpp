#include "records/ui/BusinessHandOver.h"

#include "records/DetailFormController.h"
#include "ui/Window.h"

namespace records {

void showForBusiness(ui::Window &form, DetailFormController &controller, int businessInformationId)
{
    controller.setRequestedBusiness(businessInformationId);
    if (form.isLoaded())
        controller.followRequestedBusiness();
    form.showWindow();
}

} // namespace records
