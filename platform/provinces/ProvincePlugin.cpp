// The plug-in's export: a new tax manager for the province this library is built for.
#include "ProvinceTaxManager.h"

#ifndef QV_PROVINCE
#error "QV_PROVINCE names the province code the plug-in is built for"
#endif

extern "C" CProvincialTaxManager *GetTaxManager()
{
    return new ProvinceTaxManager(QV_PROVINCE);
}
