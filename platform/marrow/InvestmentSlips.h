// Slips of investment, registered-plan, tuition and other income.
//
// Each slip registers its boxes and lettered amounts in slip order, so that a walk over its
// fields meets them as the slip shows them; blocks find fields by name, whatever their order.
#pragma once

#include "marrow/CSharableTaxData_Form.h"
#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"

// T4RSP: RRSP income.
class TaxData_Slip_T4RSP : public CTaxData_Form
{
public:
    TaxData_Slip_T4RSP() : CTaxData_Form(SlipType::T4RSP, KindSlip) {}
    CFloatField box16{this, "box16"};
    CFloatField box18{this, "box18"};
    CFloatField box20{this, "box20"};
    CFloatField box22{this, "box22"};
    // Set when the income comes from a spousal or common-law partner plan.
    CBoolField spousalFlag{this, "spousalFlag"};
    CFloatField box25{this, "box25"};
    CFloatField box26{this, "box26"};
    CFloatField box27{this, "box27"};
    CFloatField box28{this, "box28"};
    CFloatField box30{this, "box30"};
    CFloatField box34{this, "box34"};
    CFloatField box37{this, "box37"};
    CBoolField flag1{this, "flag1"};
    CBoolField flag2{this, "flag2"};
};

// T4RIF: RRIF income.
class TaxData_Slip_T4RIF : public CTaxData_Form
{
public:
    TaxData_Slip_T4RIF() : CTaxData_Form(SlipType::T4RIF, KindSlip) {}
    CFloatField box16{this, "box16"};
    CFloatField box18{this, "box18"};
    CFloatField box20{this, "box20"};
    CFloatField box22{this, "box22"};
    CFloatField box24{this, "box24"};
    CFloatField box28{this, "box28"};
    CFloatField box37{this, "box37"};
    CFloatField amtA{this, "amtA"};
    CBoolField flag1{this, "flag1"};
    CBoolField flag2{this, "flag2"};
};

// T5: investment income.
class TaxData_Slip_T5 : public CSharableTaxData_Form
{
public:
    TaxData_Slip_T5() : CSharableTaxData_Form(SlipType::T5, KindSlip) {}
    CFloatField box10{this, "box10"};
    CFloatField box11{this, "box11"};
    CFloatField box12{this, "box12"};
    CFloatField amtA{this, "amtA"};
    CFloatField box13{this, "box13"};
    CFloatField amtB{this, "amtB"};
    CFloatField amtC{this, "amtC"};
    CFloatField amtD{this, "amtD"};
    CFloatField box14{this, "box14"};
    CFloatField box15{this, "box15"};
    CFloatField box16{this, "box16"};
    CFloatField box17{this, "box17"};
    CFloatField box18{this, "box18"};
    CFloatField amtE{this, "amtE"};
    CFloatField box24{this, "box24"};
    CFloatField box25{this, "box25"};
    CFloatField box26{this, "box26"};
    CFloatField box34{this, "box34"};
    CBoolField box17Flag{this, "box17Flag"};
    CBoolField amtEFlag{this, "amtEFlag"};

    // The person's part of each amount, worked out by the pre-sum operation.
    CFloatField box10Share{this, "box10Share"};
    CFloatField box11Share{this, "box11Share"};
    CFloatField box12Share{this, "box12Share"};
    CFloatField amtAShare{this, "amtAShare"};
    CFloatField box13Share{this, "box13Share"};
    CFloatField amtBShare{this, "amtBShare"};
    CFloatField amtCShare{this, "amtCShare"};
    CFloatField amtDShare{this, "amtDShare"};
    CFloatField box14Share{this, "box14Share"};
    CFloatField box15Share{this, "box15Share"};
    CFloatField box16Share{this, "box16Share"};
    CFloatField box17Share{this, "box17Share"};
    CFloatField box18Share{this, "box18Share"};
    CFloatField amtEShare{this, "amtEShare"};
    CFloatField box24Share{this, "box24Share"};
    CFloatField box25Share{this, "box25Share"};
    CFloatField box26Share{this, "box26Share"};
    CFloatField box34Share{this, "box34Share"};

    void preSumSlip() override { updateShares(); }
};

// T3: trust income allocations.
class TaxData_Slip_T3 : public CSharableTaxData_Form
{
public:
    TaxData_Slip_T3() : CSharableTaxData_Form(SlipType::T3, KindSlip) {}
    CFloatField box21{this, "box21"};
    CFloatField amtA{this, "amtA"};
    CFloatField box23{this, "box23"};
    CFloatField amtB{this, "amtB"};
    CFloatField box25{this, "box25"};
    CFloatField box26{this, "box26"};
    CFloatField box30{this, "box30"};
    CFloatField amtC{this, "amtC"};
    CFloatField box32{this, "box32"};
    CFloatField amtD{this, "amtD"};
    CFloatField box34{this, "box34"};
    CFloatField amtE{this, "amtE"};
    CFloatField amtF{this, "amtF"};
    CFloatField box38{this, "box38"};
    CFloatField box39{this, "box39"};
    CFloatField box49{this, "box49"};
    CFloatField box50{this, "box50"};
    CFloatField box51{this, "box51"};
    CFloatField box55{this, "box55"};
    CFloatField box57{this, "box57"};
    CFloatField box59{this, "box59"};
    CBoolField box21Flag{this, "box21Flag"};
    CBoolField amtBFlag{this, "amtBFlag"};
    CBoolField box26Flag1{this, "box26Flag1"};
    CBoolField box26Flag2{this, "box26Flag2"};
    CBoolField box26Flag3{this, "box26Flag3"};

    // The person's part of each amount, worked out by the pre-sum operation.
    CFloatField box21Share{this, "box21Share"};
    CFloatField amtAShare{this, "amtAShare"};
    CFloatField box23Share{this, "box23Share"};
    CFloatField amtBShare{this, "amtBShare"};
    CFloatField box25Share{this, "box25Share"};
    CFloatField box26Share{this, "box26Share"};
    CFloatField box30Share{this, "box30Share"};
    CFloatField amtCShare{this, "amtCShare"};
    CFloatField box32Share{this, "box32Share"};
    CFloatField amtDShare{this, "amtDShare"};
    CFloatField box34Share{this, "box34Share"};
    CFloatField amtEShare{this, "amtEShare"};
    CFloatField amtFShare{this, "amtFShare"};
    CFloatField box38Share{this, "box38Share"};
    CFloatField box39Share{this, "box39Share"};
    CFloatField box49Share{this, "box49Share"};
    CFloatField box50Share{this, "box50Share"};
    CFloatField box51Share{this, "box51Share"};
    CFloatField box55Share{this, "box55Share"};
    CFloatField box57Share{this, "box57Share"};
    CFloatField box59Share{this, "box59Share"};

    void preSumSlip() override { updateShares(); }
};

// T5003: tax shelter information.
class CSlipData_T5003 : public CTaxData_Form
{
public:
    CSlipData_T5003() : CTaxData_Form(SlipType::T5003, KindSlip) {}
    CFloatField amtA{this, "amtA"};
};

// T5007: benefits (social assistance, workers' compensation).
class CSlipData_T5007 : public CTaxData_Form
{
public:
    CSlipData_T5007() : CTaxData_Form(SlipType::T5007, KindSlip) {}
    CFloatField box10{this, "box10"};
    CFloatField box11{this, "box11"};
    CFloatField amtA{this, "amtA"};
    CIntField kind{this, "kind"};
    CBoolField flag1{this, "flag1"};
};

// T5013: partnership income.
class TaxData_Slip_T5013 : public CTaxData_Form
{
public:
    TaxData_Slip_T5013() : CTaxData_Form(SlipType::T5013, KindSlip) {}
    CFloatField box5{this, "box5"};
    CFloatField amtA{this, "amtA"};
    CFloatField amtB{this, "amtB"};
    CFloatField amtC{this, "amtC"};
    CFloatField amtD{this, "amtD"};
    CFloatField amtE{this, "amtE"};
    CFloatField amtF{this, "amtF"};
    CFloatField amtG{this, "amtG"};
    CFloatField amtH{this, "amtH"};
    CFloatField amtI{this, "amtI"};
    CFloatField amtJ{this, "amtJ"};
    CFloatField amtK{this, "amtK"};
    CFloatField amtL{this, "amtL"};
    CFloatField amtM{this, "amtM"};
    CFloatField amtN{this, "amtN"};
    CFloatField amtO{this, "amtO"};
    CFloatField amtP{this, "amtP"};
    CFloatField box137{this, "box137"};
    CFloatField amtQ{this, "amtQ"};
    CFloatField amtR{this, "amtR"};
    CFloatField box151{this, "box151"};
    CFloatField amtS{this, "amtS"};
    CFloatField amtT{this, "amtT"};
    CFloatField amtU{this, "amtU"};
    CFloatField amtV{this, "amtV"};
    CFloatField amtW{this, "amtW"};
    // Routes amount R.
    CBoolField flag1{this, "flag1"};
    CStringField partnershipId{this, "partnershipId", 20};
    CStringField taxShelterId{this, "taxShelterId", 20};
};

// T5006: registered labour-sponsored venture capital shares.
class TaxData_Slip_T5006 : public CTaxData_Form
{
public:
    TaxData_Slip_T5006() : CTaxData_Form(SlipType::T5006, KindSlip) {}
    CFloatField amtA{this, "amtA"};
    CFloatField amtB{this, "amtB"};
    CFloatField amtC{this, "amtC"};
    CFloatField amtD{this, "amtD"};
    CFloatField amtE{this, "amtE"};
};

// T1204: government service contract payments.
class TaxData_Slip_T1204 : public CTaxData_Form
{
public:
    TaxData_Slip_T1204() : CTaxData_Form(SlipType::T1204, KindSlip) {}
    CFloatField box82{this, "box82"};
    CFloatField box84{this, "box84"};
};

// NR4: amounts paid to non-residents.
class TaxData_Slip_NR4 : public CTaxData_Form
{
public:
    TaxData_Slip_NR4() : CTaxData_Form(SlipType::NR4, KindSlip) {}
    CFloatField amtA{this, "amtA"};
    CFloatField amtB{this, "amtB"};
    CFloatField amtC{this, "amtC"};
    CFloatField amtD{this, "amtD"};
    CFloatField amtE{this, "amtE"};
};

// T2202: tuition and enrolment certificate.
class TaxData_Slip_T2202 : public CTaxData_Form
{
public:
    TaxData_Slip_T2202() : CTaxData_Form(SlipType::T2202, KindSlip) {}
    // The certificate's identification boxes 10 to 15, kept as the texts the slip gives.
    CStringField box10{this, "box10", 80};
    CStringField box11{this, "box11", 80};
    CStringField box12{this, "box12", 80};
    CStringField box13{this, "box13", 80};
    CStringField box14{this, "box14", 80};
    CStringField box15{this, "box15", 80};
    // Per session: part-time months, full-time months, eligible fees.
    CTableField periods{this, "periods", 4, {FieldType::Int, FieldType::Int, FieldType::Float}};
    // Per session, beside the periods row of the same number: the start and end texts.
    CTableField sessionDates{this, "sessionDates", 4, {FieldType::String, FieldType::String}};
};

// T4FHSA: first home savings account.
class TaxData_Slip_T4FHSA : public CTaxData_Form
{
public:
    TaxData_Slip_T4FHSA() : CTaxData_Form(SlipType::T4FHSA, KindSlip) {}
    CFloatField box18{this, "box18"};
    CFloatField box20{this, "box20"};
    CFloatField box22{this, "box22"};
    CFloatField box24{this, "box24"};
    CFloatField box26{this, "box26"};
    CFloatField box28{this, "box28"};
    CFloatField box30{this, "box30"};
    CFloatField box32{this, "box32"};
    CFloatField box34{this, "box34"};
    CFloatField box36{this, "box36"};
    CFloatField box38{this, "box38"};
    CBoolField flag1{this, "flag1"};
};
