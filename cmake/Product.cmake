# What Varnel says of itself, in one place: the About box, the support e-mail, the desktop entry,
# the AppStream metadata, the manual pages and the Debian package all take these values.
set(VARNEL_VENDOR "Sorvexa")
set(VARNEL_APP_ID "dev.sorvexa.Varnel")
set(VARNEL_SITE "https://varnel.sorvexa.dev/")
set(VARNEL_SUPPORT_ADDRESS "support@sorvexa.dev")
set(VARNEL_RELEASE_DATE "2008-05-31")

# The window's executable is installed with the documents it opens beside it (Help.chm,
# license.html) in a folder of its own; bin/ holds a link to it.
set(VARNEL_APP_INSTALL_DIR "lib/varnel")
