// The developer generators: the print engine's type sources, form and slip descriptions, and a
// test return file.
#pragma once

// With the wait cursor: the test print file when testData is true, otherwise the three Java
// type sources with their descriptions.
void generateDeveloperFiles(bool testData);
// "testprint.r25" in the Documents folder.
void writeTestPrintFile();
// Each writes its Java file into JAVAPROJPATH; nothing at all when that key is empty.
void generateSlipDataType();
void generateNoteDataType();
void generateTaxFormType();
