#include "AutomationModel.h"
#include "aced.h"

IDispatch* AcadWinApp::GetIDispatch(BOOL addRef)
{
    return cadhost::AutomationModel::instance().applicationDispatch(addRef != FALSE);
}

AcadWinApp* acedGetAcadWinApp()
{
    static AcadWinApp application;
    return &application;
}
