#pragma once
// The recovery copies at start. Copies left by instances that ended without
// closing are offered newest first: "Récupérer le travail non enregistré ?"
// with the document's name, or "page importée", and the time of the copy.
// Oui replaces the page by the copy, unsaved, under its document's name, and
// ends the questions (older copies wait for the next start); Non removes the
// copy. A copy that cannot be read is set aside with a message, and the
// page stays as it was.
class TForm1;
class TRecovery;

// Takes this instance's place among the copies (a failure is told in the
// status bar, whose messages also tell failed writes later) and offers the
// copies of instances that no longer run. Returns whether a page was
// recovered.
bool StartRecovery(TForm1 &window, TRecovery &recovery);
