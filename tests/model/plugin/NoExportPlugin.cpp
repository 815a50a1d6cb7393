// A library in a plug-in's place that does not export "GetTaxManager".
extern "C" int QuorvandelleNotAPlugin()
{
    return 0;
}
