// The program quorvandelle.
#include "app/entry/QuorvandelleMain.h"

int main(int argc, char **argv)
{
    return quorvandelleMain(argc, argv);
}
