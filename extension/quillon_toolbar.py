# The buttons of the Quillon toolbar in Impress. When Impress listens on its configured
# pipe, a button starts the tool on the open presentation itself; otherwise it stores the
# presentation, runs the tool on the .pptx file and reloads it when the tool has ended.
import os
import subprocess
import threading

import uno
import unohelper
from com.sun.star.awt import XCallback
from com.sun.star.frame import XDispatch, XDispatchProvider
from com.sun.star.lang import XInitialization, XServiceInfo

IMPLEMENTATION = "org.quillon.quillon4ppt.Toolbar"
PROTOCOL = "org.quillon.quillon4ppt:"
VERBS = ("functiongraph", "gs", "tk", "shapeselecter", "dot")
PPTX_FILTERS = ("Impress MS PowerPoint 2007 XML", "Impress Office Open XML")

ASK_FOR_PPTX = "Quillon工具只能处理 .pptx 格式的演示文稿。请先把演示文稿另存为 .pptx 格式，再按这个按钮。"
NOT_STORED = "演示文稿没能保存，Quillon工具没有启动：\n"
NO_TOOL = "找不到Quillon工具程序 {}。请先运行 QuillonSetup，按“安装”。"


def install_folder():
    """Where QuillonSetup installs the tools, by the same rules."""
    chosen = os.environ.get("QUILLON_INSTALL_DIR")
    if chosen:
        return os.path.abspath(chosen)
    data = os.environ.get("XDG_DATA_HOME")
    if not data or not os.path.isabs(data):
        data = os.path.join(os.path.expanduser("~"), ".local", "share")
    return os.path.join(data, "quillon4ppt")


class WhenEnded(unohelper.Base, XCallback):
    """Runs on the office's main thread, where the window may be changed."""

    def __init__(self, then):
        self.then = then

    def notify(self, data):
        self.then()


def launch_tool(ctx, verb, host, then=None):
    """Starts the tool with the variables that choose its host, and runs `then` on the
    office's main thread once it has ended. Nothing waits for it here: the button holds
    Impress's main thread, which must go on painting and answering while the tool runs (a
    live tool calls back into this office)."""
    tool = os.path.join(install_folder(), "quillon4ppt")
    child = subprocess.Popen([tool, verb], env=dict(os.environ, **host), stdin=subprocess.DEVNULL,
                             start_new_session=True)
    callback = ctx.ServiceManager.createInstanceWithContext("com.sun.star.awt.AsyncCallback", ctx) if then else None

    def wait():
        child.wait()
        if callback:
            callback.addCallback(WhenEnded(then), None)

    threading.Thread(target=wait, daemon=True).start()


def pipe_of(connection_url):
    """The NAME of "pipe,name=NAME;urp;..."; None for any other kind of connection."""
    kind, *params = connection_url.split(";")[0].split(",")
    if kind.strip().lower() != "pipe":
        return None
    names = [value for key, _, value in (p.partition("=") for p in params) if key.strip().lower() == "name"]
    return names[0] if names and names[0] else None


def configured_pipe(ctx):
    provider = ctx.ServiceManager.createInstanceWithContext("com.sun.star.configuration.ConfigurationProvider", ctx)
    node = provider.createInstanceWithArguments("com.sun.star.configuration.ConfigurationAccess",
                                                (uno.createUnoStruct("com.sun.star.beans.NamedValue", "nodepath",
                                                                     "/org.openoffice.Setup/Office"),))
    return pipe_of(node.getByName("ooSetupConnectionURL") or "")


def listening_pipe(ctx):
    """The configured pipe when this office really listens on it. The probe connects and
    closes at once without a bridge: nothing waits for this office's busy main thread."""
    pipe = configured_pipe(ctx)
    if not pipe:
        return None
    connector = ctx.ServiceManager.createInstanceWithContext("com.sun.star.connection.Connector", ctx)
    try:
        connector.connect("pipe,name=" + pipe).close()
    except Exception:
        return None
    return pipe


def show_message(ctx, frame, text):
    toolkit = ctx.ServiceManager.createInstanceWithContext("com.sun.star.awt.Toolkit", ctx)
    box_type = uno.Enum("com.sun.star.awt.MessageBoxType", "WARNINGBOX")
    box = toolkit.createMessageBox(frame.getContainerWindow(), box_type, 1, "Quillon", text)
    box.execute()


def is_pptx(model):
    if not model.hasLocation():
        return False
    args = {a.Name: a.Value for a in model.getArgs()}
    return args.get("FilterName") in PPTX_FILTERS


def reload_at(ctx, frame, slide):
    helper = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.DispatchHelper", ctx)
    helper.executeDispatch(frame, ".uno:Reload", "", 0, ())
    controller = frame.getController()
    pages = controller.getModel().getDrawPages()
    controller.setCurrentPage(pages.getByIndex(min(slide, pages.getCount()) - 1))


def start(ctx, frame, verb, host, then=None):
    """Starts the tool; a missing tool is reported to the teacher."""
    try:
        launch_tool(ctx, verb, host, then)
    except OSError as e:
        show_message(ctx, frame, NO_TOOL.format(e.filename or install_folder()))


def run_on_presentation(ctx, frame, verb):
    pipe = listening_pipe(ctx)
    if pipe:
        start(ctx, frame, verb, {"QUILLON_HOST": "impress", "QUILLON_IMPRESS_PIPE": pipe})
    else:
        round_trip(ctx, frame, verb)


def round_trip(ctx, frame, verb):
    controller = frame.getController()
    model = controller.getModel()
    if not is_pptx(model):
        show_message(ctx, frame, ASK_FOR_PPTX)
        return
    slide = controller.getCurrentPage().Number
    try:
        model.store()
    except Exception as e:
        show_message(ctx, frame, NOT_STORED + str(getattr(e, "Message", e)))
        return
    deck = {"QUILLON_DECK": uno.fileUrlToSystemPath(model.getURL()), "QUILLON_SLIDE": str(slide),
            "QUILLON_HOST": "pptx"}
    start(ctx, frame, verb, deck, then=lambda: reload_at(ctx, frame, slide))


class Toolbar(unohelper.Base, XInitialization, XDispatchProvider, XDispatch, XServiceInfo):
    def __init__(self, ctx):
        self.ctx = ctx
        self.frame = None

    def initialize(self, args):
        if args:
            self.frame = args[0]

    def queryDispatch(self, url, target, flags):
        return self if self.verb_of(url) else None

    def queryDispatches(self, requests):
        return tuple(self.queryDispatch(r.FeatureURL, r.FrameName, r.SearchFlags) for r in requests)

    def dispatch(self, url, args):
        verb = self.verb_of(url)
        if verb and self.frame:
            run_on_presentation(self.ctx, self.frame, verb)

    def addStatusListener(self, listener, url):
        pass

    def removeStatusListener(self, listener, url):
        pass

    @staticmethod
    def verb_of(url):
        if not url.Complete.startswith(PROTOCOL):
            return None
        verb = url.Complete[len(PROTOCOL):]
        return verb if verb in VERBS else None

    def getImplementationName(self):
        return IMPLEMENTATION

    def supportsService(self, name):
        return name in self.getSupportedServiceNames()

    def getSupportedServiceNames(self):
        return ("com.sun.star.frame.ProtocolHandler",)


g_ImplementationHelper = unohelper.ImplementationHelper()
g_ImplementationHelper.addImplementation(Toolbar, IMPLEMENTATION, ("com.sun.star.frame.ProtocolHandler",))
