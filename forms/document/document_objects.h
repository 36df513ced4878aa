// Registers the form objects and, for the document, the field as the maker
// of its special fields. Called once by whoever starts the program.
#pragma once

void RegisterDocumentObjects();
