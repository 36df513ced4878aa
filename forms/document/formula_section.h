// The formula set's section of the form file (0x47), written after the
// filling order by the document's formula host.
#pragma once

// Registers the section with the form file's sections; once is enough.
void RegisterFormulaSection();
