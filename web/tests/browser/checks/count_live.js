window.liveCharacters = 0;
const regions = document.querySelectorAll("[aria-live], [role=status], [role=alert], [role=log]");
const observer = new MutationObserver((records) => {
  for (const record of records) {
    const target = record.target.nodeType === Node.TEXT_NODE ? record.target.parentNode : record.target;
    window.liveCharacters += target.textContent.length;
  }
});
regions.forEach((region) => observer.observe(region, {childList: true, characterData: true, subtree: true}));
