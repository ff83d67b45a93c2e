const field = document.getElementById("link-field");
return {shown: !field.hidden, value: field.value, focused: document.activeElement === field,
        selected: field.selectionStart === 0 && field.selectionEnd === field.value.length,
        widened: document.documentElement.scrollWidth > innerWidth};
