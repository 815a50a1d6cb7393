// Slips of employment, pension and benefit income.
//
// Each slip registers its boxes and lettered amounts in slip order, so that a walk over its
// fields meets them as the slip shows them; blocks find fields by name, whatever their order.
#pragma once

#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"

// T4: statement of remuneration paid.
class TaxData_Slip_T4 : public CTaxData_Form
{
public:
    TaxData_Slip_T4() : CTaxData_Form(SlipType::T4, KindSlip) {}
    CFloatField box14{this, "box14"};
    CFloatField box16{this, "box16"};
    CFloatField box16A{this, "box16A"};
    CFloatField box17{this, "box17"};
    CFloatField box17A{this, "box17A"};
    CFloatField box18{this, "box18"};
    CFloatField box20{this, "box20"};
    CFloatField box22{this, "box22"};
    CFloatField amtA{this, "amtA"};
    CFloatField box24{this, "box24"};
    CFloatField box26{this, "box26"};
    // Set when boxes 24 and 26 hold an amount the slip gave, rather than the form's own.
    CBoolField box24Entered{this, "box24Entered"};
    CBoolField box26Entered{this, "box26Entered"};
    CFloatField amtB{this, "amtB"};
    CFloatField amtC{this, "amtC"};
    CFloatField amtD{this, "amtD"};
    CFloatField box30{this, "box30"};
    CFloatField amtE{this, "amtE"};
    CFloatField amtF{this, "amtF"};
    CFloatField amtG{this, "amtG"};
    CFloatField box42{this, "box42"};
    CFloatField amtH{this, "amtH"};
    CFloatField box44{this, "box44"};
    CFloatField box46{this, "box46"};
    CFloatField amtI{this, "amtI"};
    CFloatField box52{this, "box52"};
    CFloatField box55{this, "box55"};
    CFloatField box66{this, "box66"};
    CFloatField box67{this, "box67"};
    CFloatField box71{this, "box71"};
    CFloatField amtJ{this, "amtJ"};
    CBoolField t4fFlag{this, "t4fFlag"};
    CFloatField box85{this, "box85"};
    CFloatField box87{this, "box87"};
    CFloatField amtK{this, "amtK"};
    CFloatField box90{this, "box90"};
    CFloatField box91{this, "box91"};
    CFloatField box92{this, "box92"};
    CIntField provinceOfEmployment{this, "provinceOfEmployment"};
    // The kind of employment the slip reports: 0 placement or employment agency, 1 and 2 the
    // two kinds whose amounts C and D count apart, 3 ordinary employment. A new slip is
    // ordinary employment; a stored slip keeps the kind it was saved with.
    static constexpr int kOrdinaryEmployment = 3;
    CIntField employmentKind{this, "employmentKind", kOrdinaryEmployment};
    CIntField secondKind{this, "secondKind"};
    CBoolField eiExempt{this, "eiExempt"};
    CBoolField cppExempt{this, "cppExempt"};
    CBoolField flag2{this, "flag2"};

    // Box 71 holds a status Indian's tax-exempt employment income.
    bool containIndianItem() const { return box71.isPresent(); }
};

// T4A: pension, retirement, annuity and other income.
class TaxData_Slip_T4A : public CTaxData_Form
{
public:
    TaxData_Slip_T4A() : CTaxData_Form(SlipType::T4A, KindSlip) {}
    CFloatField box16{this, "box16"};
    CFloatField box18{this, "box18"};
    CFloatField box20{this, "box20"};
    CFloatField box22{this, "box22"};
    CFloatField box24{this, "box24"};
    CFloatField box28{this, "box28"};
    CFloatField amtA{this, "amtA"};
    CFloatField amtB{this, "amtB"};
    CFloatField box30{this, "box30"};
    CFloatField box32{this, "box32"};
    CFloatField amtC{this, "amtC"};
    CFloatField box34{this, "box34"};
    CFloatField box37{this, "box37"};
    CFloatField box40{this, "box40"};
    CFloatField box42{this, "box42"};
    CFloatField box46{this, "box46"};
    CFloatField box48{this, "box48"};
    CFloatField box104{this, "box104"};
    CFloatField amtD{this, "amtD"};
    CFloatField box105{this, "box105"};
    CFloatField box106{this, "box106"};
    CFloatField box107{this, "box107"};
    CFloatField box109{this, "box109"};
    CFloatField amtE{this, "amtE"};
    CFloatField amtF{this, "amtF"};
    CFloatField box118{this, "box118"};
    CFloatField box119{this, "box119"};
    CFloatField amtG{this, "amtG"};
    CFloatField box124{this, "box124"};
    CFloatField box125{this, "box125"};
    CFloatField box127{this, "box127"};
    CFloatField box128{this, "box128"};
    CFloatField amtH{this, "amtH"};
    CFloatField amtI{this, "amtI"};
    CFloatField box131{this, "box131"};
    CFloatField amtJ{this, "amtJ"};
    CFloatField amtK{this, "amtK"};
    CFloatField amtL{this, "amtL"};
    CFloatField box135{this, "box135"};
    CFloatField amtM1{this, "amtM1"};
    CFloatField amtM2{this, "amtM2"};
    CFloatField amtM3{this, "amtM3"};
    CFloatField amtM4{this, "amtM4"};
    CFloatField amtM5{this, "amtM5"};
    CFloatField amtN{this, "amtN"};
    CFloatField box196{this, "box196"};
    CFloatField box197{this, "box197"};
    CFloatField box198{this, "box198"};
    CFloatField box199{this, "box199"};
    CFloatField box200{this, "box200"};
    CFloatField box201{this, "box201"};
    CFloatField box202{this, "box202"};
    CFloatField box203{this, "box203"};
    CFloatField box204{this, "box204"};
    CFloatField amtO{this, "amtO"};
    CFloatField box210{this, "box210"};
    CFloatField box211{this, "box211"};
    CBoolField flag1{this, "flag1"};
    CBoolField flag2{this, "flag2"};
    CBoolField flag3{this, "flag3"};
    CBoolField flag4{this, "flag4"};
    CBoolField flag5{this, "flag5"};
    CBoolField flag6{this, "flag6"};
    CBoolField flag7{this, "flag7"};
    CBoolField flag8{this, "flag8"};
    CBoolField flag9{this, "flag9"};
    CIntField box105Kind{this, "box105Kind"};
    CIntField box124Kind{this, "box124Kind"};
};

// T4A(P): CPP benefits.
class TaxData_Slip_T4AP : public CTaxData_Form
{
public:
    TaxData_Slip_T4AP() : CTaxData_Form(SlipType::T4AP, KindSlip) {}
    CFloatField box14{this, "box14"};
    CFloatField box15{this, "box15"};
    CFloatField box16{this, "box16"};
    CFloatField box17{this, "box17"};
    CFloatField box18{this, "box18"};
    CFloatField box19{this, "box19"};
    CFloatField box20{this, "box20"};
    CFloatField box21{this, "box21"};
    CFloatField box22{this, "box22"};
    CFloatField amtA{this, "amtA"};
    CFloatField box23{this, "box23"};
    CBoolField flag1{this, "flag1"};
    CBoolField flag2{this, "flag2"};
    CBoolField flag3{this, "flag3"};
    CIntField age{this, "age"};
};

// T4E: employment insurance benefits.
class TaxData_Slip_T4E : public CTaxData_Form
{
public:
    TaxData_Slip_T4E() : CTaxData_Form(SlipType::T4E, KindSlip) {}
    CFloatField box7{this, "box7"};
    CFloatField box14{this, "box14"};
    CFloatField box15{this, "box15"};
    CFloatField box17{this, "box17"};
    CFloatField box18{this, "box18"};
    CFloatField box20{this, "box20"};
    CFloatField box21{this, "box21"};
    CFloatField box22{this, "box22"};
    CFloatField box23{this, "box23"};
    CFloatField amtA{this, "amtA"};
    CFloatField box30{this, "box30"};
    CFloatField amtB{this, "amtB"};
    CFloatField box33{this, "box33"};
    CFloatField amtC{this, "amtC"};
    CFloatField box37{this, "box37"};
    CBoolField flag1{this, "flag1"};
};

// T4A(OAS): old age security.
class CSlipData_T4AOAS : public CTaxData_Form
{
public:
    CSlipData_T4AOAS() : CTaxData_Form(SlipType::T4AOAS, KindSlip) {}
    CFloatField box18{this, "box18"};
    CFloatField box19{this, "box19"};
    CFloatField box20{this, "box20"};
    CFloatField box21{this, "box21"};
    CFloatField box22{this, "box22"};
    CFloatField box23{this, "box23"};
};

// T4PS: employees' profit-sharing plan allocations.
class TaxData_Slip_T4PS : public CTaxData_Form
{
public:
    TaxData_Slip_T4PS() : CTaxData_Form(SlipType::T4PS, KindSlip) {}
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
    CBoolField flag1{this, "flag1"};
};

// T4A-RCA: distributions from a retirement compensation arrangement.
class TaxData_Slip_T4ARCA : public CTaxData_Form
{
public:
    TaxData_Slip_T4ARCA() : CTaxData_Form(SlipType::T4ARCA, KindSlip) {}
    CFloatField amtA{this, "amtA"};
    CFloatField amtB{this, "amtB"};
    CFloatField amtC{this, "amtC"};
    CFloatField amtD{this, "amtD"};
    CFloatField amtE{this, "amtE"};
    CFloatField amtF{this, "amtF"};
    CFloatField amtG{this, "amtG"};
};

// RC62: universal child care benefit.
class TaxData_Slip_RC62 : public CTaxData_Form
{
public:
    TaxData_Slip_RC62() : CTaxData_Form(SlipType::RC62, KindSlip) {}
    CFloatField box10{this, "box10"};
    CFloatField box12{this, "box12"};
};

// RC210: advance Canada Workers Benefit.
class TaxData_Slip_RC210 : public CTaxData_Form
{
public:
    TaxData_Slip_RC210() : CTaxData_Form(SlipType::RC210, KindSlip) {}
    CFloatField box10{this, "box10"};
    CFloatField box11{this, "box11"};
};

// Manitoba shelter assistance.
class TaxData_Slip_MBShelterAssist : public CTaxData_Form
{
public:
    TaxData_Slip_MBShelterAssist() : CTaxData_Form(SlipType::MBSHELTERASSIST, KindSlip) {}
    CFloatField benefit{this, "benefit"};
};

// PRPP contribution receipt.
class TaxData_Slip_PRPP : public CTaxData_Form
{
public:
    TaxData_Slip_PRPP() : CTaxData_Form(SlipType::PRPP, KindSlip) {}
    CStringField contractNumber{this, "contractNumber", 40};
    CStringField versionDescription{this, "versionDescription", 80};
    CFloatField employeeCurrentYear{this, "employeeCurrentYear"};
    CFloatField employeePriorYear{this, "employeePriorYear"};
    CFloatField employer{this, "employer"};
    CFloatField exemptCurrentYear{this, "exemptCurrentYear"};
    CFloatField exemptPriorYear{this, "exemptPriorYear"};
};
