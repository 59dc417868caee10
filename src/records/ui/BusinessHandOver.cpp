#include "records/ui/BusinessHandOver.h"

#include "records/DetailFormController.h"
#include "ui/Window.h"

namespace records {

BusinessHandOver::BusinessHandOver(ui::Window &form, DetailFormController &controller)
    : m_form(form)
    , m_controller(controller)
{
}

void BusinessHandOver::showForBusiness(qint64 businessInformationId)
{
    m_controller.setRequestedBusiness(businessInformationId);
    if (m_form.isLoaded())
        m_controller.followRequestedBusiness();
    m_form.showWindow();
}

qint64 BusinessHandOver::businessInformationId() const
{
    return m_controller.requestedBusiness();
}

} // namespace records
