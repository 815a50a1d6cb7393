// The visitor bases of a person's walks over forms, slips, notes and wizard data.
#pragma once

struct TaxDataEntryStru;
struct TaxNoteEntryStru;
struct TaxWizardEntryStru;

// Each keeps the count of entries its default visit saw; a visit returning false stops the
// walks of forms, slips and notes.
class CEnumTaxFormObj
{
public:
    virtual bool visit(TaxDataEntryStru *entry, void *param);
    virtual bool begin(void *param);
    virtual bool end(void *param);

    int m_count = 0;
};

class CEnumTaxSlipObj
{
public:
    virtual bool visit(TaxDataEntryStru *entry, void *param);
    virtual bool begin(void *param);
    virtual bool end(void *param);

    int m_count = 0;
};

class CEnumTaxNoteObj
{
public:
    virtual bool visit(TaxNoteEntryStru *entry, void *param);

    int m_count = 0;
};

class CEnumTaxWizardObj
{
public:
    virtual bool visit(TaxWizardEntryStru *entry, void *param);

    int m_count = 0;
};
